#include "symboles/EcritureSymboles.h"

#include "symboles/SymbolesLiaisons.h"

#include <QDir>
#include <QSaveFile>

namespace {
constexpr auto TexteDossierImpossible = "Impossible de créer le dossier %1";
constexpr auto TexteEcritureImpossible = "Impossible d'écrire dans %1";
} // namespace

QString NomFichierSymbole(int rangee, int colonne) { return QStringLiteral("%1_%2.bmp").arg(rangee).arg(colonne); }

std::optional<QString> EcrireSymbolesLiaisons(const QString &dossier)
{
    if (!QDir().mkpath(dossier))
        return QString::fromUtf8(TexteDossierImpossible).arg(QDir::toNativeSeparators(dossier));
    for (int rangee = 0; rangee < NombreRangeesSymboles; ++rangee) {
        for (int colonne = 0; colonne < NombreColonnesSymboles; ++colonne) {
            const QString chemin = QDir(dossier).filePath(NomFichierSymbole(rangee, colonne));
            QSaveFile fichier(chemin);
            if (!fichier.open(QIODevice::WriteOnly) || !DessinerSymboleLiaison(rangee, colonne).save(&fichier, "BMP") ||
                !fichier.commit())
                return QString::fromUtf8(TexteEcritureImpossible).arg(QDir::toNativeSeparators(chemin));
        }
    }
    return std::nullopt;
}
