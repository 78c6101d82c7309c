#include "verification/VerificationMecanisme.h"

#include "common/Descripteur.h"
#include "common/DossierProgramme.h"
#include "common/OuvertureExercice.h"
#include "presentation/LecturePresentation.h"
#include "verification/VerificationExercices.h"

#include <QFileInfo>

namespace {

const QString SectionMenu = QStringLiteral("MENU");
const QString TexteAucunExercice = QStringLiteral("Le mécanisme n'offre aucun exercice.");
const QString TexteSansNom = QStringLiteral("La clé « Nom » de la section [EXERCICE] manque ou est vide : le menu "
                                            "montrera un article sans texte.");
const QString TexteCache = QStringLiteral("« Validite » ne vaut pas 1 : le mécanisme n'apparaîtra pas dans le menu.");
const QString TexteDifficulte =
    QStringLiteral("« Difficulte » vaut %1 : le mécanisme ne sera dans aucun sous-menu (0 à 3 sont attendus).");
const QString TexteNombre = QStringLiteral("La clé « Combien » de la section [%1] vaut %2 ; il en faut entre 1 et %3.");
const QString TexteSansFiche = QStringLiteral("La pièce %1 n'a pas de section [PIECE%1] : un clic sur son numéro "
                                              "montrera une fiche vide.");
const std::pair<QString, QString> TexteReperesOublies{
    QStringLiteral("« Combien » vaut %1, mais « %2 » porte aussi une couleur qui n'est celle d'aucune pièce de 1 à %1 "
                   "(%3) : un clic sur ce repère ne montrera rien."),
    QStringLiteral("« Combien » vaut %1, mais « %2 » porte aussi %4 couleurs qui ne sont celles d'aucune pièce de 1 à "
                   "%1 (dont %3) : un clic sur ces repères ne montrera rien.")};
const QString TexteRefus = QStringLiteral("La fenêtre de l'exercice refuse de l'ouvrir : %1");

// The window's own reading of the presentation, once nothing else was found: a rule that the checks
// above would have missed still shows.
void lectureDeLaFenetre(ContexteVerification &contexte, const QString &relatif, const QString &message)
{
    contexte.rapport().erreur(relatif, 0, TexteRefus.arg(QString(message).replace(u'\n', u' ')));
}

// A label of the zone map whose colour no part of 1 to "Combien" has: a click on it shows nothing, which
// is what a "Combien" left behind after parts were added looks like.
void VerifierReperesSansPiece(ContexteVerification &contexte, const QImage &trame,
                              const std::vector<std::optional<TColor>> &couleurs, const QString &relatifCondition,
                              qsizetype ligneCombien)
{
    if (trame.isNull())
        return;
    QSet<TColor> orphelines = CouleursDeLImage(trame);
    orphelines.remove(clWhite);
    orphelines.remove(clBlack);
    for (const auto &couleur : couleurs) {
        if (couleur)
            orphelines.remove(*couleur);
    }
    if (orphelines.isEmpty())
        return;
    const TColor premiere = *std::min_element(orphelines.cbegin(), orphelines.cend());
    const int nombre = int(couleurs.size()) - 1;
    QString texte = orphelines.size() == 1 ? TexteReperesOublies.first : TexteReperesOublies.second;
    texte.replace(QStringLiteral("%4"), QString::number(orphelines.size()));
    contexte.rapport().erreur(relatifCondition, ligneCombien,
                              texte.arg(nombre).arg(FichierTrame, CouleurVersTexte(premiere)));
}

} // namespace

void VerifierPresentation(ContexteVerification &contexte)
{
    const int erreursAvant = contexte.rapport().nombreErreurs();
    const QString dossier = contexte.radical() + u'/' + NomDossierPresentation + u'/';
    const QString relatifCondition = dossier + FichierCondition;
    const auto condition = contexte.lireIni(relatifCondition);
    const auto nomenclature = contexte.lireIni(dossier + FichierNomenclature);
    contexte.exiger(dossier + FichierExplication);
    const QImage trame = contexte.trameEtPlan(dossier);
    if (!condition)
        return;

    const QString section = QStringLiteral("NOMBRE DE PIECES");
    const auto lu = contexte.entier(*condition, relatifCondition, section, QStringLiteral("Combien"), 0);
    if (!lu)
        return;
    const int nombre = *lu;
    if (nombre < 1 || nombre > MaxZones) {
        contexte.rapport().erreur(relatifCondition, condition->ligne(section, QStringLiteral("Combien")),
                                  TexteNombre.arg(section).arg(nombre).arg(MaxZones));
        return;
    }
    const int erreursAvantCouleurs = contexte.rapport().nombreErreurs();
    const auto couleurs =
        contexte.couleursCles(*condition, relatifCondition, QStringLiteral("COULEUR"), QStringLiteral("Piece"), nombre,
                              trame, dossier + FichierTrame, QStringLiteral("la pièce"));
    // A wrong key already leaves its label without a part: said once, by its own error.
    if (contexte.rapport().nombreErreurs() == erreursAvantCouleurs)
        VerifierReperesSansPiece(contexte, trame, couleurs, relatifCondition,
                                 condition->ligne(section, QStringLiteral("Combien")));
    if (contexte.entier(*condition, relatifCondition, QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), 0)
            .value_or(0))
        contexte.exiger(dossier + FichierPdf);
    if (nomenclature) {
        for (int n = 1; n <= nombre; ++n) {
            if (!nomenclature->sectionExiste(QStringLiteral("PIECE%1").arg(n)))
                contexte.rapport().avertissement(dossier + FichierNomenclature, 0, TexteSansFiche.arg(n));
        }
    }

    if (contexte.rapport().nombreErreurs() == erreursAvant) {
        const auto chemin = contexte.trouver(dossier);
        const LecturePresentation lecture = LirePresentation(*chemin);
        if (lecture.issue != LecturePresentation::Issue::Reussie)
            lectureDeLaFenetre(contexte, relatifCondition, lecture.message);
    }
}

RapportVerification VerifierMecanisme(const QString &cheminDescripteur)
{
    RapportVerification rapport;
    const QString nom = NomFichier(cheminDescripteur);
    if (const auto refus = VerifierFichier(cheminDescripteur, ExtensionDescripteur)) {
        rapport.erreur(nom, 0, *refus);
        return rapport;
    }
    const FichierIni descripteur(cheminDescripteur);
    if (descripteur.illisible()) {
        rapport.erreur(nom, 0, QStringLiteral("Le fichier ne peut pas être lu."));
        return rapport;
    }

    ContexteVerification contexte(cheminDescripteur, rapport);
    contexte.verifierEncodage(nom, cheminDescripteur);
    std::array<bool, 5> offerts{};
    for (int n = 1; n <= 5; ++n)
        offerts[std::size_t(n - 1)] =
            contexte.entier(descripteur, nom, SectionExercice, CleExercice(n), 0).value_or(0) != 0;
    const int validite = contexte.entier(descripteur, nom, SectionExercice, QStringLiteral("Validite"), 0).value_or(0);
    const int difficulte = contexte.entier(descripteur, nom, SectionMenu, QStringLiteral("Difficulte"), 0).value_or(0);
    if (descripteur.lireTexte(SectionExercice, QStringLiteral("Nom")).isEmpty())
        rapport.avertissement(nom, descripteur.ligne(SectionExercice, QStringLiteral("Nom")), TexteSansNom);
    if (validite == 0)
        rapport.avertissement(nom, descripteur.ligne(SectionExercice, QStringLiteral("Validite")), TexteCache);
    if (difficulte < 0 || difficulte > 3)
        rapport.avertissement(nom, descripteur.ligne(SectionMenu, QStringLiteral("Difficulte")),
                              TexteDifficulte.arg(difficulte));
    if (std::none_of(offerts.begin(), offerts.end(), [](bool b) { return b; }))
        rapport.avertissement(nom, 0, TexteAucunExercice);

    if (offerts[0])
        VerifierPresentation(contexte);
    std::optional<ZonesColoriage> pieces;
    std::optional<ZonesColoriage> classes;
    if (offerts[1])
        pieces = VerifierColoriage(contexte, QStringLiteral("p"));
    if (offerts[2])
        classes = VerifierColoriage(contexte, QStringLiteral("ce"));
    if (pieces && classes)
        VerifierClassesUnionsDePieces(contexte, *pieces, *classes);

    const std::optional<int> nbrCeGraphe = offerts[3] ? VerifierGrapheDesLiaisons(contexte) : std::nullopt;
    const bool avecCorrection =
        offerts[4] || contexte.trouver(contexte.radical() + QStringLiteral("/schema_cinematique/correction.gdl"));
    const int erreursAvantCorrection = rapport.nombreErreurs();
    const std::optional<int> nbrCeCorrection = avecCorrection ? VerifierCorrection(contexte) : std::nullopt;
    if (nbrCeGraphe && nbrCeCorrection && *nbrCeGraphe != *nbrCeCorrection)
        rapport.erreur(contexte.radical() + QStringLiteral("/schema_cinematique/correction.gdl"), 0,
                       QStringLiteral("Le graphe de correction a %1 classes d'équivalence, l'exercice du graphe des "
                                      "liaisons %2 : les classes de l'élève ne correspondent pas à celles de la "
                                      "correction.")
                           .arg(*nbrCeCorrection)
                           .arg(*nbrCeGraphe));
    if (offerts[4])
        VerifierSchema(contexte, nbrCeCorrection, rapport.nombreErreurs() == erreursAvantCorrection);
    return rapport;
}
