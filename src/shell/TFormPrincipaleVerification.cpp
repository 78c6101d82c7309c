#include "shell/TFormPrincipale.h"

#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "verification/VerificationMecanisme.h"

#include <QGuiApplication>

namespace {
const QString FiltreDescripteur = QStringLiteral("Fichier Velkora (*.sch)|*.sch");
const QString TitreRapport = QStringLiteral("Vérification de %1");
const QString TitreDialogue = QStringLiteral("Vérifier un mécanisme");
} // namespace

void TFormPrincipale::MenuVerifierClick()
{
    const QString chemin = dialogues().FichierAOuvrir(DossierProgramme(), FiltreDescripteur, 0, TitreDialogue);
    if (chemin.isEmpty())
        return;
    // Every picture of every exercise is read: on large sheets this takes a while.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString rapport = VerifierMecanisme(chemin).texte();
    QGuiApplication::restoreOverrideCursor();
    dialogues().Rapport(TitreRapport.arg(NomFichier(chemin)), rapport);
}
