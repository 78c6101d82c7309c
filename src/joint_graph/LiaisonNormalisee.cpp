#include "joint_graph/LiaisonNormalisee.h"

#include "common/ChargementImage.h"
#include "common/DossierProgramme.h"
#include "common/FichierIni.h"

namespace {

const QString TexteImageIllisible = QStringLiteral("Impossible de charger l'image \"%1\".");

std::size_t indice(int i) { return static_cast<std::size_t>(i); }

} // namespace

QString MessageSymboleIllisible(const QString &chemin) { return TexteImageIllisible.arg(chemin); }

QString LiaisonNormalisee::DossierCatalogue() { return DossierProgramme() + QStringLiteral("ressource/liaison/"); }

bool LiaisonNormalisee::celluleValide(int ligne, int colonne)
{
    return ligne >= 0 && ligne < NbrLignes && colonne >= 0 && colonne < NbrColonnes;
}

std::optional<QString> LiaisonNormalisee::Charger(const QString &dossier)
{
    LiaisonNormalisee table;
    const FichierIni inf(dossier + QStringLiteral("liaison.inf"));
    for (int i = 0; i < NbrLignes; ++i) {
        for (int j = 0; j < NbrColonnes; ++j) {
            const QString chemin = dossier + QStringLiteral("%1_%2.bmp").arg(i).arg(j);
            auto image = ChargerImage(chemin);
            if (!std::holds_alternative<QImage>(image))
                return MessageSymboleIllisible(chemin);
            table.symboles_[indice(i)][indice(j)] = std::move(std::get<QImage>(image));
            table.inconnues_[indice(i)][indice(j)] = inf.lireEntier(QString::number(i), QString::number(j), 0);
        }
    }
    table.complet_ = true;
    *this = std::move(table);
    return std::nullopt;
}

const QImage &LiaisonNormalisee::Symbole(int ligne, int colonne) const
{
    static const QImage vide;
    if (!complet_ || !celluleValide(ligne, colonne))
        return vide;
    return symboles_[indice(ligne)][indice(colonne)];
}

std::optional<std::int32_t> LiaisonNormalisee::Inconnues(int ligne, int colonne) const
{
    if (!complet_ || !celluleValide(ligne, colonne))
        return std::nullopt;
    return inconnues_[indice(ligne)][indice(colonne)];
}
