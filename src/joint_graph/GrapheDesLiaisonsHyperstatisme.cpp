// "Calculer l'hyperstatisme": the exercise's study and the graph give k, n and is, the student gives
// the two mobilities.
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Dialogues.h"
#include "joint_graph/Hyperstatisme.h"

void TFormGrapheDesLiaisons::BoutonHyperstatismeClick()
{
    const auto preparation = PreparerHyperstatisme(Graphe_, Catalogue, Etude_);
    if (const auto *refus = std::get_if<RefusHyperstatisme>(&preparation)) {
        dialogues().Message(refus->message);
        return;
    }
    const DonneesHyperstatisme &donnees = std::get<DonneesHyperstatisme>(preparation);
    if (!donnees.batiRelie)
        dialogues().Message(MessageSansBati());
    const std::int32_t me =
        DemanderMobilite(QStringLiteral("Mobilité externe"), QStringLiteral("Combien y-a-t-il de mobilité externe ?"),
                         QStringLiteral("1"));
    const std::int32_t mi =
        DemanderMobilite(QStringLiteral("Mobilité interne"), QStringLiteral("Combien y-a-t-il de mobilité interne ?"),
                         QStringLiteral("0"));
    DernierHyperstatisme_ = MessageHyperstatisme(donnees, me, mi);
    dialogues().Message(DernierHyperstatisme_);
}

std::int32_t TFormGrapheDesLiaisons::DemanderMobilite(const QString &titre, const QString &invite,
                                                      const QString &initial)
{
    // Asked again until the answer is a whole number; cancelling gives the initial text back.
    for (;;) {
        const QString reponse = dialogues().Saisie(titre, invite, initial).value_or(initial);
        if (const auto nombre = LireNombreEntier(reponse))
            return *nombre;
    }
}
