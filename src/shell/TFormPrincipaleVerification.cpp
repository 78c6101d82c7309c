#include "shell/TFormPrincipale.h"

#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "verification/VerificationMecanisme.h"

namespace {
const QString FiltreDescripteur = QStringLiteral("Fichier Velkora (*.sch)|*.sch");
const QString TitreRapport = QStringLiteral("Vérification de %1");
} // namespace

void TFormPrincipale::MenuVerifierClick()
{
    const QString chemin = dialogues().FichierAOuvrir(DossierProgramme(), FiltreDescripteur, 0);
    if (chemin.isEmpty())
        return;
    dialogues().Rapport(TitreRapport.arg(NomFichier(chemin)), VerifierMecanisme(chemin).texte());
}
