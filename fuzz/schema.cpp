// The diagram exercise: the joint graph and the condition it leads to, the drawing background built from
// the two pictures, and the export of strokes and symbols as a bitmap the program reads back.
#include "Essai.h"

#include "common/ChargementImage.h"
#include "common/Couleur.h"
#include "common/FPti.h"
#include "diagram/CalquesSchema.h"
#include "diagram/LectureSchema.h"
#include "joint_graph/NomMecanisme.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    // The last part is no file: its bytes place the symbols on the export.
    const std::vector<QByteArray> fichiers = DecouperEntree(donnees, taille, 5);
    if (ImageTropLourdePourEssai(fichiers[2]) || ImageTropLourdePourEssai(fichiers[3]))
        return -1;
    // Graphs name the mechanism "m"; one naming another finds no diagram folder, as in the program.
    const QString dossier = DossierEssai() + QStringLiteral("m/") + NomDossierSchemaCinematique + u'/';
    const QString gdl = DossierEssai() + QStringLiteral("schema.gdl");
    EcrireFichier(gdl, fichiers[0]);
    EcrireFichier(dossier + NomConditionSchema, fichiers[1]);
    EcrireFichier(dossier + NomTrameSchema, fichiers[2]);
    EcrireFichier(dossier + NomPlanSchema, fichiers[3]);

    const LectureSchema lu = LireSchema(gdl);
    if (!lu.reussie())
        return 0;
    const SchemaCinematique &s = lu.schema;
    if (s.NbrCe < 0 || s.NbrCe > NbrCeMax || s.NbrLiaison < 0 || s.NbrLiaison > NbrLiaisonMax)
        Echec("un schéma accepté avec des nombres hors des tables");
    if (s.TypeTrame != TrameDessin)
        return 0;
    auto trame = ChargerImage(dossier + NomTrameSchema);
    auto plan = ChargerImage(dossier + NomPlanSchema);
    if (!std::holds_alternative<QImage>(trame) || !std::holds_alternative<QImage>(plan))
        return 0;
    std::vector<TeinteClasse> teintes;
    for (int n = 1; n <= s.NbrCe; ++n)
        teintes.push_back({s.CouleurTrame[std::size_t(n)], s.Ce[std::size_t(n)].Couleur});
    const Rvb surface = CouleurVersRvb(clBtnFace);
    QImage fond;
    const QImage &imageTrame = std::get<QImage>(trame);
    const QImage &imagePlan = std::get<QImage>(plan);
    if (!ConstruireFondDessin(imageTrame, imagePlan, teintes, s.Transparence, surface, fond)) {
        if (imageTrame.size() == imagePlan.size())
            Echec("un fond refusé pour deux images de même taille");
        return 0;
    }
    if (fond.size() != imagePlan.size())
        Echec("un fond d'une autre taille que ses images");

    QImage traits(fond.size(), QImage::Format_RGB888);
    RemplirImage(traits, RvbVersCouleur(surface));
    QImage affichage;
    ComposerAffichage(fond, traits, surface, affichage);
    std::vector<SymbolePlace> symboles;
    const QByteArray &places = fichiers[4];
    for (qsizetype i = 0; i + 1 < places.size() && symboles.size() <= std::size_t(NbrLiaisonMax); i += 2) {
        const QPoint position(static_cast<signed char>(places[i]), static_cast<signed char>(places[i + 1]));
        symboles.push_back({imageTrame, position});
        ComposerAffichage(fond, traits, surface, affichage, QRect(position, imageTrame.size()));
    }
    const QString exporte = DossierEssai() + QStringLiteral("export.bmp");
    for (const bool avecFond : {true, false}) {
        if (EnregistrerBmpSchema(exporte, fond, traits, avecFond, symboles, surface))
            Echec("un schéma ne s'exporte pas");
        const auto relu = ChargerImage(exporte);
        if (!std::holds_alternative<QImage>(relu) || std::get<QImage>(relu).size() != traits.size())
            Echec("un schéma exporté ne se relit pas à sa taille");
    }
    return 0;
}
