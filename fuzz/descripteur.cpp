// The descriptor of a mechanism and the checks an exercise window runs on it.
#include "Essai.h"

#include "common/Descripteur.h"
#include "common/OuvertureExercice.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QString chemin = DossierEssai() + QStringLiteral("essai.sch");
    EcrireFichier(chemin, QByteArray(reinterpret_cast<const char *>(donnees), qsizetype(taille)));
    const Descripteur descripteur = LireDescripteur(chemin);
    if (NomMecanismeAffiche(chemin).isEmpty())
        Echec("un mécanisme sans nom affiché");
    for (int exercice = 1; exercice <= 5; ++exercice) {
        if (LireAccesExercice(chemin, exercice) != descripteur.exercices[std::size_t(exercice - 1)])
            Echec("l'accès à un exercice diffère selon la lecture");
        const OuvertureDescripteur ouverture =
            VerifierDescripteur(chemin, exercice, QStringLiteral("presentation"), {QStringLiteral("condition.inf")},
                                QStringLiteral("Essai."));
        if (ouverture.refus && ouverture.refus->isEmpty())
            Echec("un descripteur refusé sans message");
    }
    return 0;
}
