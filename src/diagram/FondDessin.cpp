#include "diagram/FondDessin.h"

#include "common/ChargementImage.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"
#include "diagram/CalquesSchema.h"
#include "diagram/LectureSchema.h"

#include <vector>

namespace {
QString MessageTaillesTrame(QSize trame, QSize plan)
{
    return QStringLiteral("Le fichier \"%1\" mesure %2 × %3 pixels et le fichier \"%4\" %5 × %6 pixels : "
                          "ils doivent avoir la même taille.\n\n%7")
        .arg(NomTrameSchema)
        .arg(trame.width())
        .arg(trame.height())
        .arg(NomPlanSchema)
        .arg(plan.width())
        .arg(plan.height())
        .arg(PhraseSchema);
}
} // namespace

std::variant<QImage, QString> LireFondDessin(const SchemaCinematique &schema, Rvb surface)
{
    QImage trame, plan;
    for (const auto &[nom, image] : {std::pair{NomTrameSchema, &trame}, {NomPlanSchema, &plan}}) {
        auto lue = ChargerImage(FichierDuDossier(schema.DossierExercice, nom));
        if (const auto *refus = std::get_if<RefusImage>(&lue))
            return refus->message(nom, PhraseSchema);
        *image = std::move(std::get<QImage>(lue));
    }
    if (trame.size() != plan.size())
        return MessageTaillesTrame(trame.size(), plan.size());
    std::vector<TeinteClasse> teintes;
    for (int n = 1; n <= schema.NbrCe; ++n)
        teintes.push_back({schema.CouleurTrame[std::size_t(n)], schema.Ce[std::size_t(n)].Couleur});
    QImage fond;
    if (!ConstruireFondDessin(trame, plan, teintes, schema.Transparence, surface, fond))
        return MessageImageIllisible(NomTrameSchema, PhraseSchema);
    return fond;
}
