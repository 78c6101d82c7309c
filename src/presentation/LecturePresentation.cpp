#include "presentation/LecturePresentation.h"

#include "common/ChargementImage.h"
#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"
#include "presentation/PageDescription.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace {

const QString SectionNombre = QStringLiteral("NOMBRE DE PIECES");
const QString CleCombien = QStringLiteral("Combien");
const QString SectionCouleur = QStringLiteral("COULEUR");
const QString PrefixeCleCouleur = QStringLiteral("Piece");
const QString CouleurParDefaut = QStringLiteral("clWhite");
const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString CleVisible = QStringLiteral("Visible");
const QString PrefixeSectionPiece = QStringLiteral("PIECE");

LecturePresentation refus(const QString &message)
{
    LecturePresentation lecture;
    lecture.issue = LecturePresentation::Issue::Refusee;
    lecture.message = message;
    return lecture;
}

bool lisible(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) && fichier.size() <= TailleMaxRessource;
}

} // namespace

QString MessageTropDePieces(const QString &combien)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 pièces, alors qu'une présentation en compte au plus %3.\n\n%4")
        .arg(FichierCondition)
        .arg(combien)
        .arg(MaxZones)
        .arg(PhrasePresentation);
}

LecturePresentation LirePresentation(const QString &dossierExercice)
{
    LecturePresentation lecture;
    Presentation &p = lecture.presentation;

    const FichierIni condition(FichierDuDossier(dossierExercice, FichierCondition));
    if (condition.illisible())
        return refus(MessageFichierIllisible(FichierCondition, PhrasePresentation));
    if (condition.sansSection())
        return refus(MessageFichierSansSection(FichierCondition, PhrasePresentation));
    const FichierIni::Compte combien = condition.lireCompte(SectionNombre, CleCombien, 0);
    if (combien.depasse(MaxZones))
        return refus(MessageTropDePieces(combien.texte));
    p.NombrePieces = std::max<std::int32_t>(combien.valeur, 0);
    for (std::int32_t n = 1; n <= p.NombrePieces; ++n) {
        const ConversionCouleur couleur =
            condition.lireCouleur(SectionCouleur, PrefixeCleCouleur + QString::number(n), CouleurParDefaut);
        if (!couleur.couleur) {
            lecture.issue = LecturePresentation::Issue::CouleurInvalide;
            lecture.message = couleur.erreur;
            return lecture;
        }
        p.Zones[static_cast<std::size_t>(n - 1)].Couleur = *couleur.couleur;
    }
    p.PdfVisible = condition.lireDrapeau(SectionImprimer, CleVisible);

    for (const auto &[nom, image] : {std::pair{FichierTrame, &p.Trame}, {FichierPlan, &p.Plan}}) {
        auto lue = ChargerImage(FichierDuDossier(dossierExercice, nom));
        if (const auto *refusImage = std::get_if<RefusImage>(&lue))
            return refus(refusImage->message(nom, PhrasePresentation));
        *image = std::move(std::get<QImage>(lue));
    }
    if (p.Trame.size() != p.Plan.size())
        return refus(MessageTailleTramePlan(p.Trame.size(), p.Plan.size(), PhrasePresentation));

    const FichierIni nomenclature(FichierDuDossier(dossierExercice, FichierNomenclature));
    if (nomenclature.illisible())
        return refus(MessageFichierIllisible(FichierNomenclature, PhrasePresentation));
    for (std::int32_t n = 1; n <= p.NombrePieces; ++n) {
        TZone &zone = p.Zones[static_cast<std::size_t>(n - 1)];
        const QString section = PrefixeSectionPiece + QString::number(n);
        zone.Repere = nomenclature.lireTexte(section, QStringLiteral("Repere"));
        zone.Nombre = nomenclature.lireTexte(section, QStringLiteral("Nombre"));
        zone.Designation = nomenclature.lireTexte(section, QStringLiteral("Designation"));
        zone.Matiere = nomenclature.lireTexte(section, QStringLiteral("Matiere"));
        zone.Observation = nomenclature.lireTexte(section, QStringLiteral("Observation"));
    }

    if (!lisible(FichierDuDossier(dossierExercice, FichierExplication)))
        return refus(MessageFichierIllisible(FichierExplication, PhrasePresentation));
    return lecture;
}
