#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Dialogues.h"
#include "common/TrouverChemin.h"
#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"

#include <QFileInfo>
#include <QMenu>

namespace {
const QString NomCorrection = QStringLiteral("correction.gdl");
const QString TexteSansCorrection = QStringLiteral("Ce mécanisme n'a pas de graphe des liaisons corrigé.");
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
    const bool verifiable = !CheminCorrection().isEmpty();
    MenuPdf->setVisible(pdfVisible);
    MenuVerifierGraphe->setVisible(verifiable);
    MenuOutils->menuAction()->setVisible(pdfVisible || verifiable);
}

QString TFormGrapheDesLiaisons::CheminCorrection() const
{
    if (Graphe_.DossierExercice.isEmpty())
        return {};
    const QString mecanisme = NomMecanismeDuDossier(Graphe_.DossierExercice);
    if (!EstNomMecanismeValide(mecanisme) || mecanisme == NomSansMecanisme)
        return {};
    const QString chemin = FichierDuDossier(DossierSchemaCinematique(mecanisme), NomCorrection);
    return QFileInfo(chemin).isFile() ? chemin : QString();
}

void TFormGrapheDesLiaisons::MenuVerifierGrapheClick()
{
    const QString chemin = CheminCorrection();
    if (chemin.isEmpty()) {
        dialogues().Message(TexteSansCorrection);
        return;
    }
    const LectureGdl correction = LireGdl(chemin);
    if (!correction.reussie()) {
        dialogues().Message(TexteCorrectionIllisible.arg(correction.erreur));
        return;
    }
    dialogues().Message(ComparerGraphes(Graphe_, correction.graphe).texte());
}
