#include "common/FPfichier.h"

#include "common/Bureau.h"

#include <QDir>
#include <QStandardPaths>

bool EffacerRepertoire(const QString &chemin) { return bureau().Effacer(chemin); }

QString DossierSpecial(int numero)
{
    if (numero == DossierDocumentsUtilisateur)
        return bureau().DossierDocuments();
    const QString bureauUtilisateur = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (numero == 0 && !bureauUtilisateur.isEmpty() && QDir().mkpath(bureauUtilisateur))
        return bureauUtilisateur;
    return QDir::homePath();
}
