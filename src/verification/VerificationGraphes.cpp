#include "verification/VerificationExercices.h"

#include "common/Descripteur.h"
#include "common/TrouverChemin.h"
#include "diagram/LectureSchema.h"
#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"

namespace {

const QString CleCombien = QStringLiteral("Combien");
const QString SectionMecanisme = QStringLiteral("MECANISME");
const QString SectionTrame = QStringLiteral("TRAME");
const QString TexteNombreClasses = QStringLiteral("%1 annonce %2 classes d'équivalence ; il en faut entre 2 et %3.");
const QString TexteNombreLiaisons = QStringLiteral("« NbrLiaison » vaut %1 ; il en faut entre 1 et %2.");
const QString TexteSansMecanisme = QStringLiteral("La clé « Mecanisme » de la section [MECANISME] manque ou est vide.");
const QString TexteNomInvalide =
    QStringLiteral("« %1 » n'est pas un nom de dossier de mécanisme : un seul nom, sans séparateur ni « .. ».");
const QString TexteAutreMecanisme = QStringLiteral(
    "Le graphe désigne le mécanisme « %1 » et non « %2 » : le schéma cinématique ouvrirait les fichiers de « %1 ».");
const QString TexteSansBati = QStringLiteral("Aucune classe d'équivalence n'est le bâti (« Bati=1 »).");
const QString TexteDeuxBatis =
    QStringLiteral("Plusieurs classes d'équivalence sont le bâti ; seule la dernière compte.");
const QString TexteIncomplete = QStringLiteral("La liaison %1 n'a pas ses deux classes d'équivalence.");
const QString TexteSansType = QStringLiteral("La liaison %1 n'a pas de type de liaison (« Liaison3D »).");
const QString TexteNonProjetee = QStringLiteral(
    "La liaison %1 n'est pas projetée dans le plan (« Liaison2D=0 ») : le schéma cinématique refuse ce graphe.");
const QString TexteModeleNonProjete = QStringLiteral(
    "La liaison %1 n'est pas projetée dans le plan (« Liaison2D=0 »), comme toute liaison du graphe corrigé.");
const QString TexteEtude = QStringLiteral(
    "« Etude » vaut « %1 » : « spatiale » ou « plane » sont attendus ; la fenêtre du graphe des liaisons refuse "
    "l'exercice.");
const QString TexteModeleAutresClasses = QStringLiteral(
    "Ce modèle a %1 classes d'équivalence et « %2 » %3 : « Vérifier mon graphe » ne peut pas le comparer.");
const QString TexteTypeTrame =
    QStringLiteral("« Type » vaut %1 : le schéma n'aura aucun fond (0, 1 ou 2 sont attendus).");
const QString TexteTransparence =
    QStringLiteral("« Transparence » vaut %1, hors de -100 à 0 : le fond sera calculé hors des bornes prévues.");
const QString TexteRefus = QStringLiteral("La fenêtre de l'exercice refuse de l'ouvrir : %1");

QString sansSauts(QString texte) { return texte.replace(u'\n', u' '); }

} // namespace

std::optional<int> VerifierGrapheDesLiaisons(ContexteVerification &contexte)
{
    RapportVerification &rapport = contexte.rapport();
    const int erreursAvant = rapport.nombreErreurs();
    const QString dossier = contexte.radical() + u'/' + NomDossierGrapheDesLiaisons + u'/';
    const QString relatifCondition = dossier + FichierConditionGraphe;
    const auto condition = contexte.lireIni(relatifCondition);
    if (!condition)
        return std::nullopt;
    const QString section = QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE");
    const auto lu = contexte.entier(*condition, relatifCondition, section, CleCombien, 0);
    if (!lu)
        return std::nullopt;
    const int nbrCe = *lu;
    if (nbrCe < 2 || nbrCe > NbrCeMax) {
        rapport.erreur(relatifCondition, condition->ligne(section, CleCombien),
                       TexteNombreClasses.arg(QStringLiteral("La section [%1]").arg(section)).arg(nbrCe).arg(NbrCeMax));
        return std::nullopt;
    }
    // The study the exercise asks for: the window's own reading decides, the line is told here.
    const QString sectionEtude = QStringLiteral("HYPERSTATISME");
    const QString cleEtude = QStringLiteral("Etude");
    if (const auto trouve = contexte.trouver(dossier);
        trouve && std::holds_alternative<QString>(LireEtudeExercice(*trouve)))
        rapport.erreur(relatifCondition, condition->ligne(sectionEtude, cleEtude),
                       TexteEtude.arg(condition->lireTexte(sectionEtude, cleEtude)));
    for (int n = 1; n <= nbrCe; ++n)
        contexte.image(dossier + QStringLiteral("%1.bmp").arg(n));
    if (contexte.entier(*condition, relatifCondition, QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), 0)
            .value_or(0))
        contexte.exiger(dossier + FichierPlanPdf);

    if (rapport.nombreErreurs() == erreursAvant) {
        const QString chemin = *contexte.trouver(dossier);
        const auto lue = LireConditionGraphe(chemin);
        const auto images = ChargerImagesClasses(chemin, nbrCe);
        if (const QString *refus = std::get_if<QString>(&lue))
            rapport.erreur(relatifCondition, 0, TexteRefus.arg(sansSauts(*refus)));
        else if (const QString *refusImage = std::get_if<QString>(&images))
            rapport.erreur(dossier, 0, TexteRefus.arg(sansSauts(*refusImage)));
    }
    return nbrCe;
}

namespace {

// One model of the joints: the correction (numero 1), which the diagram opens, or another accepted one
// ("correction_2.gdl"…), which « Vérifier mon graphe » compares with the student's graph. Both are read
// by the same rules. Gives the number of classes found, or nothing.
std::optional<int> VerifierModele(ContexteVerification &contexte, int numero)
{
    RapportVerification &rapport = contexte.rapport();
    const int erreursAvant = rapport.nombreErreurs();
    const QString nomFichier = NomModeleCorrection(numero);
    const QString relatif = contexte.radical() + u'/' + NomDossierSchemaCinematique + u'/' + nomFichier;
    const auto gdl = contexte.lireIni(relatif);
    if (!gdl)
        return std::nullopt;

    const QString cleMecanisme = QStringLiteral("Mecanisme");
    const QString mecanisme = gdl->lireTexte(SectionMecanisme, cleMecanisme);
    const qsizetype ligneMecanisme = gdl->ligne(SectionMecanisme, cleMecanisme);
    if (mecanisme.isEmpty())
        rapport.erreur(relatif, ligneMecanisme, TexteSansMecanisme);
    else if (!EstNomMecanismeValide(mecanisme))
        rapport.erreur(relatif, ligneMecanisme, TexteNomInvalide.arg(mecanisme));
    // A name that differs only in letter case is found by the program on every system.
    else if (mecanisme.compare(contexte.radical(), Qt::CaseInsensitive) != 0)
        rapport.erreur(relatif, ligneMecanisme, TexteAutreMecanisme.arg(mecanisme, contexte.radical()));

    const QString cleNbrCe = QStringLiteral("NbrCe");
    const auto luCe = contexte.entier(*gdl, relatif, SectionMecanisme, cleNbrCe, 0);
    if (!luCe)
        return std::nullopt;
    const int nbrCe = *luCe;
    if (nbrCe < 2 || nbrCe > NbrCeMax) {
        rapport.erreur(relatif, gdl->ligne(SectionMecanisme, cleNbrCe),
                       TexteNombreClasses.arg(QStringLiteral("« NbrCe »")).arg(nbrCe).arg(NbrCeMax));
        return std::nullopt;
    }
    const QString cleNbrLiaison = QStringLiteral("NbrLiaison");
    const auto luLiaison = contexte.entier(*gdl, relatif, SectionMecanisme, cleNbrLiaison, 0);
    if (!luLiaison)
        return nbrCe;
    const int nbrLiaison = *luLiaison;
    if (nbrLiaison < 1 || nbrLiaison > NbrLiaisonMax) {
        rapport.erreur(relatif, gdl->ligne(SectionMecanisme, cleNbrLiaison),
                       TexteNombreLiaisons.arg(nbrLiaison).arg(NbrLiaisonMax));
        return nbrCe;
    }

    int batis = 0;
    for (int n = 1; n <= nbrCe; ++n) {
        const QString section = QStringLiteral("Ce%1").arg(n);
        contexte.couleurExigee(*gdl, relatif, section, QStringLiteral("Couleur"));
        if (contexte.entier(*gdl, relatif, section, QStringLiteral("Bati"), 0).value_or(0) != 0)
            ++batis;
    }
    if (batis == 0)
        rapport.avertissement(relatif, 0, TexteSansBati);
    else if (batis > 1)
        rapport.avertissement(relatif, 0, TexteDeuxBatis);

    for (int n = 1; n <= nbrLiaison; ++n) {
        const QString section = QStringLiteral("Liaison%1").arg(n);
        auto lire = [&](const char *cle) {
            return contexte.entier(*gdl, relatif, section, QLatin1String(cle), 0).value_or(0);
        };
        const TLiaison l{lire("Ce1"), lire("Ce2"), lire("Liaison3D"), lire("Liaison2D"), lire("Inclineaison")};
        const qsizetype ligne = gdl->ligne(section);
        if (const auto erreur = LiaisonHorsTables(l, n, nbrCe, nomFichier))
            rapport.erreur(relatif, ligne, *erreur);
        else if (l.Ce1 == 0 || l.Ce2 == 0)
            rapport.erreur(relatif, ligne, TexteIncomplete.arg(n));
        else if (l.Liaison3D == 0)
            rapport.erreur(relatif, ligne, TexteSansType.arg(n));
        else if (l.Liaison2D == 0)
            rapport.erreur(relatif, ligne, (numero == 1 ? TexteNonProjetee : TexteModeleNonProjete).arg(n));
    }

    if (rapport.nombreErreurs() == erreursAvant) {
        const LectureGdl lecture = LireGdl(*contexte.trouver(relatif));
        if (!lecture.reussie())
            rapport.erreur(relatif, 0, TexteRefus.arg(sansSauts(lecture.erreur)));
    }
    return nbrCe;
}

} // namespace

std::optional<int> VerifierCorrection(ContexteVerification &contexte)
{
    const std::optional<int> nbrCe = VerifierModele(contexte, 1);
    // The other accepted models, found as the window finds them: numbered from 2 without a gap.
    const QString dossier = contexte.radical() + u'/' + NomDossierSchemaCinematique + u'/';
    for (int numero = 2; numero <= NbrModelesMax; ++numero) {
        const QString relatif = dossier + NomModeleCorrection(numero);
        if (!contexte.trouver(relatif))
            break;
        const std::optional<int> nbrCeModele = VerifierModele(contexte, numero);
        if (nbrCe && nbrCeModele && *nbrCe != *nbrCeModele)
            contexte.rapport().erreur(
                relatif, 0, TexteModeleAutresClasses.arg(*nbrCeModele).arg(NomModeleCorrection(1)).arg(*nbrCe));
    }
    return nbrCe;
}

void VerifierSchema(ContexteVerification &contexte, std::optional<int> nbrCeCorrection, bool correctionSaine)
{
    RapportVerification &rapport = contexte.rapport();
    const int erreursAvant = rapport.nombreErreurs();
    const QString dossier = contexte.radical() + u'/' + NomDossierSchemaCinematique + u'/';
    const QString relatif = dossier + NomConditionSchema;
    const auto condition = contexte.lireIni(relatif);
    if (!condition)
        return;
    const int type =
        contexte.entier(*condition, relatif, SectionTrame, QStringLiteral("Type"), TrameAucune).value_or(TrameAucune);
    if (type < TrameAucune || type > TrameQuadrillage)
        rapport.avertissement(relatif, condition->ligne(SectionTrame, QStringLiteral("Type")),
                              TexteTypeTrame.arg(type));
    const int transparence =
        contexte.entier(*condition, relatif, SectionTrame, QStringLiteral("Transparence"), -100).value_or(-100);
    if (transparence < -100 || transparence > 0)
        rapport.avertissement(relatif, condition->ligne(SectionTrame, QStringLiteral("Transparence")),
                              TexteTransparence.arg(transparence));
    if (contexte.entier(*condition, relatif, QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), 0).value_or(0))
        contexte.exiger(dossier + NomPdfSchema);

    const int nbrCe = nbrCeCorrection.value_or(0);
    if (type == TrameDessin) {
        // The drawing background tints each class's zones: every class needs a marking colour of its own.
        const QImage trame = contexte.trameEtPlan(dossier);
        contexte.couleursCles(*condition, relatif, SectionTrame, QStringLiteral("ce"), nbrCe, trame,
                              dossier + NomTrameSchema, QStringLiteral("la classe d'équivalence"));
    } else {
        for (int n = 1; n <= nbrCe; ++n) {
            const QString cle = QStringLiteral("ce%1").arg(n);
            if (condition->ligne(SectionTrame, cle))
                contexte.couleurExigee(*condition, relatif, SectionTrame, cle);
        }
    }

    // The window finds the mechanism by its name among the folders of mechanisms: it can only be asked
    // when the name leads to this mechanism and not to another copy of it.
    const auto correction = contexte.trouver(dossier + NomCorrectionSchema);
    if (rapport.nombreErreurs() == erreursAvant && correctionSaine && correction && nbrCeCorrection &&
        contexte.trouver(contexte.radical()).value_or(QString()) ==
            TrouverChemin(DossierDuMecanisme(contexte.radical()) + contexte.radical())) {
        const LectureSchema lecture = LireSchema(*correction);
        if (!lecture.reussie())
            rapport.erreur(relatif, 0, TexteRefus.arg(sansSauts(lecture.erreur)));
    }
}
