#include "common/FPfichier.h"

#include "common/Bureau.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool EffacerRepertoire(const QString &chemin) { return bureau().Effacer(chemin); }

std::optional<QString> RefusCibleNonFichier(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() || info.isFile())
        return std::nullopt;
    return QStringLiteral("ce n'est pas un fichier mais un dossier ou un périphérique");
}

QString DossierSpecial(int numero)
{
    if (numero == DossierDocumentsUtilisateur)
        return bureau().DossierDocuments();
    const QString bureauUtilisateur = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (numero == 0 && !bureauUtilisateur.isEmpty() && QDir().mkpath(bureauUtilisateur))
        return bureauUtilisateur;
    return QDir::homePath();
}
