#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Dialogues.h"
#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"

#include <QMenu>

namespace {
const QString TexteCorrectionIllisible = QStringLiteral("La correction ne peut pas être lue :\n%1");
} // namespace

void TFormGrapheDesLiaisons::MenuVerifierCreation()
{
    MenuVerifierGraphe = MenuOutils->addAction(QStringLiteral("&Vérifier mon graphe"), this,
                                               &TFormGrapheDesLiaisons::MenuVerifierGrapheClick);
    MenuVerifierGraphe->setObjectName(QStringLiteral("MenuVerifierGraphe"));
    MenuVerifierGraphe->setVisible(false);
}

// "Outils" is shown when it offers something: the PDF when the exercise allows it, the check when the
// mechanism has a correction.
void TFormGrapheDesLiaisons::OutilsEdition(bool pdfVisible)
{
    const bool verifiable = !CheminsCorrection().isEmpty();
    MenuPdf->setVisible(pdfVisible);
    MenuVerifierGraphe->setVisible(verifiable);
    MenuOutils->menuAction()->setVisible(pdfVisible || verifiable);
}

QStringList TFormGrapheDesLiaisons::CheminsCorrection() const
{
    if (Graphe_.DossierExercice.isEmpty())
        return {};
    const QString mecanisme = NomMecanismeDuDossier(Graphe_.DossierExercice);
    if (!EstNomMecanismeValide(mecanisme) || mecanisme == NomSansMecanisme)
        return {};
    return CheminsModelesCorrection(DossierSchemaCinematique(mecanisme));
}

void TFormGrapheDesLiaisons::MenuVerifierGrapheClick()
{
    const QStringList chemins = CheminsCorrection();
    if (chemins.isEmpty()) {
        dialogues().Message(MessageSansCorrection);
        return;
    }
    // Every accepted model is read: one that cannot be is told, as the correction itself would be.
    std::vector<GrapheLiaisons> modeles;
    for (const QString &chemin : chemins) {
        LectureGdl modele = LireGdl(chemin);
        if (!modele.reussie()) {
            dialogues().Message(TexteCorrectionIllisible.arg(modele.erreur));
            return;
        }
        modeles.push_back(std::move(modele.graphe));
    }
    dialogues().Message(ComparerAuxModeles(Graphe_, modeles, Etude_).texte());
}
