#include "colouring/ExerciceColoriage.h"

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

QImage lireImage(const QString &chemin)
{
    const QImage image(chemin);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QString MessageTropDeZones(std::int64_t combien)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 zones, alors qu'un exercice de coloriage en compte au plus "
                          "%3.\n\n%4")
        .arg(FichierConditionColoriage)
        .arg(combien)
        .arg(MaxZonesColoriage)
        .arg(PhraseColoriage);
}

QString MessageTropDeCouleurs(std::int64_t combien)
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
    const std::int32_t zones = condition.lireEntier(SectionZones, CleCombien, 0);
    if (zones > MaxZonesColoriage)
        return echec(MessageTropDeZones(zones), false);
    const std::int32_t couleurs = condition.lireEntier(SectionCouleurs, CleCombien, 0);
    if (couleurs > MaxCouleursColoriage)
        return echec(MessageTropDeCouleurs(couleurs), false);
    e.NombreZones = std::max<std::int32_t>(zones, 0);
    e.NombreCouleurs = std::max<std::int32_t>(couleurs, 0);
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

    e.Trame = lireImage(FichierDuDossier(dossierExercice, FichierTrameColoriage));
    if (e.Trame.isNull())
        return echec(MessageImageIllisible(FichierTrameColoriage, PhraseColoriage), true);
    e.Plan = lireImage(FichierDuDossier(dossierExercice, FichierPlanColoriage));
    if (e.Plan.isNull())
        return echec(MessageImageIllisible(FichierPlanColoriage, PhraseColoriage), true);
    if (e.Trame.size() != e.Plan.size())
        return echec(MessageTailleTramePlan(e.Trame.size(), e.Plan.size(), PhraseColoriage), false);
    lecture.reussie = true;
    return lecture;
}
