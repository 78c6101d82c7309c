#include "colouring/ExerciceColoriage.h"

#include "common/ChargementImage.h"
#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"

#include <algorithm>

namespace {

const QString SectionZones = QStringLiteral("NOMBRE DE ZONES");
const QString SectionCouleurs = QStringLiteral("NOMBRE DE COULEURS");
const QString CleCombien = QStringLiteral("Combien");
const QString SectionCouleur = QStringLiteral("COULEUR");
const QString PrefixeCleZone = QStringLiteral("Zone");
const QString CouleurZoneParDefaut = QStringLiteral("ClBlack");
const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString CleVisible = QStringLiteral("Visible");
const QString SectionAide = QStringLiteral("MENU AIDE");
const QString CleAdresse = QStringLiteral("Adresse");
const QString CleErreur = QStringLiteral("Erreur");
const QString SectionSolutions = QStringLiteral("SOLUTIONS");
const QString PrefixeCleSolution = QStringLiteral("Solution");

LectureColoriage echec(const QString &message, bool erreurGenerale)
{
    LectureColoriage lecture;
    lecture.message = message;
    lecture.erreurGenerale = erreurGenerale;
    return lecture;
}

} // namespace

QString MessageTropDeZones(const QString &combien)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 zones, alors qu'un exercice de coloriage en compte au plus "
                          "%3.\n\n%4")
        .arg(FichierConditionColoriage)
        .arg(combien)
        .arg(MaxZonesColoriage)
        .arg(PhraseColoriage);
}

QString MessageTropDeCouleurs(const QString &combien)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 pièces ou classes d'équivalence, alors qu'un exercice de "
                          "coloriage en compte au plus %3.\n\n%4")
        .arg(FichierConditionColoriage)
        .arg(combien)
        .arg(MaxCouleursColoriage)
        .arg(PhraseColoriage);
}

LectureColoriage LireColoriage(const QString &dossierExercice)
{
    LectureColoriage lecture;
    ExerciceColoriage &e = lecture.exercice;

    const FichierIni condition(FichierDuDossier(dossierExercice, FichierConditionColoriage));
    if (condition.illisible())
        return echec(MessageFichierIllisible(FichierConditionColoriage, PhraseColoriage), false);
    if (condition.sansSection())
        return echec(MessageFichierSansSection(FichierConditionColoriage, PhraseColoriage), false);
    const FichierIni::Compte zones = condition.lireCompte(SectionZones, CleCombien, 0);
    if (zones.depasse(MaxZonesColoriage))
        return echec(MessageTropDeZones(zones.texte), false);
    const FichierIni::Compte couleurs = condition.lireCompte(SectionCouleurs, CleCombien, 0);
    if (couleurs.depasse(MaxCouleursColoriage))
        return echec(MessageTropDeCouleurs(couleurs.texte), false);
    e.NombreZones = std::max<std::int32_t>(zones.valeur, 0);
    e.NombreCouleurs = std::max<std::int32_t>(couleurs.valeur, 0);
    for (std::int32_t n = 1; n <= e.NombreZones; ++n) {
        const ConversionCouleur couleur =
            condition.lireCouleur(SectionCouleur, PrefixeCleZone + QString::number(n), CouleurZoneParDefaut);
        if (!couleur.couleur)
            return echec(couleur.erreur, true);
        // The zone map was painted with the desktop colour's value.
        e.CouleurZone[std::size_t(n)] = RvbVersCouleur(CouleurVersRvb(*couleur.couleur));
    }
    e.PdfVisible = condition.lireDrapeau(SectionImprimer, CleVisible);
    e.AdresseAide = condition.lireTexte(SectionAide, CleAdresse);
    e.SeuilAide = condition.lireEntier(SectionAide, CleErreur, -1);

    const FichierIni solution(FichierDuDossier(dossierExercice, FichierSolutionColoriage));
    if (solution.illisible())
        return echec(MessageFichierIllisible(FichierSolutionColoriage, PhraseColoriage), false);
    for (std::int32_t h = 1; h <= e.NombreCouleurs; ++h)
        e.Solution[std::size_t(h)] = solution.lireTexte(SectionSolutions, PrefixeCleSolution + QString::number(h));

    QSize tailleTrame;
    {
        auto trame = ChargerImage(FichierDuDossier(dossierExercice, FichierTrameColoriage));
        if (const auto *refus = std::get_if<RefusImage>(&trame))
            return echec(refus->message(FichierTrameColoriage, PhraseColoriage), true);
        tailleTrame = std::get<QImage>(trame).size();
        e.Index = IndexZones(std::get<QImage>(trame), e.CouleurZone, e.NombreZones);
    }
    auto plan = ChargerImage(FichierDuDossier(dossierExercice, FichierPlanColoriage));
    if (const auto *refus = std::get_if<RefusImage>(&plan))
        return echec(refus->message(FichierPlanColoriage, PhraseColoriage), true);
    e.Plan = std::move(std::get<QImage>(plan));
    if (tailleTrame != e.Plan.size())
        return echec(MessageTailleTramePlan(tailleTrame, e.Plan.size(), PhraseColoriage), false);
    lecture.reussie = true;
    return lecture;
}
