#include "atelier/EcritureMecanisme.h"

#include "atelier/EcritureExercices.h"
#include "atelier/EcritureFichiers.h"
#include "atelier/IniAtelier.h"
#include "atelier/ReglagesMecanisme.h"
#include "colouring/ExerciceColoriage.h"
#include "common/Descripteur.h"
#include "common/FichierIni.h"
#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/NomMecanisme.h"
#include "presentation/LecturePresentation.h"
#include "verification/VerificationMecanisme.h"

#include <QDir>
#include <QSet>
#include <algorithm>

namespace {

const QString TexteSouche = QStringLiteral(
    "« %1 » ne peut pas nommer le dossier d'un mécanisme : il faut un seul nom de dossier, sans « / », « \\ » ni "
    "« .. », autre que « %2 » et « ressource ».");
const QString CleValidite = QStringLiteral("Validite");
const QString TexteSansPdf = QStringLiteral("Impossible de dessiner la page du plan au format PDF.");
const QString TexteRacine =
    QStringLiteral("« %1 » n'est pas un dossier de mécanismes : il faut le chemin complet d'un dossier.");
const QString TexteSansDessin = QStringLiteral("Le mécanisme n'a pas de dessin.");
const QString TexteTailleZones = QStringLiteral(
    "Les zones ont été trouvées sur un dessin de %1 × %2 pixels, mais le dessin en mesure %3 × %4 : recommencez "
    "l'analyse du dessin.");
const QString TexteEtiquette = QStringLiteral("Le dessin porte le numéro de zone %1, hors de 0 à %2.");
const QString TexteRepere = QStringLiteral("Le repère %1 est hors de 1 à %2.");
const QString TexteRepereDouble = QStringLiteral("Le repère %1 est donné à deux pièces.");
const QString TexteZoneSansPiece = QStringLiteral("La zone %1 appartient à la pièce %2, absente de la nomenclature.");
const QString TexteTropDeClasses =
    QStringLiteral("Un mécanisme a au plus %1 classes d'équivalence ; celui-ci en a %2.");
const QString TexteClasseSansPiece =
    QStringLiteral("La classe d'équivalence « %1 » réunit la pièce %2, absente de la nomenclature.");
const QString TexteDeuxClasses = QStringLiteral("La pièce %1 est dans deux classes d'équivalence : « %2 » et « %3 ».");

// The exercise folders, Exo1 to Exo5.
const std::array<QString, 5> DossiersExercices{NomDossierPresentation, PrefixeDossierColoriage + ModeDecodage,
                                               PrefixeDossierColoriage + ModeClasses, NomDossierGrapheDesLiaisons,
                                               NomDossierSchemaCinematique};

std::optional<QString> RefusSouche(const QString &souche)
{
    const bool reservee = souche.compare(NomSansMecanisme, Qt::CaseInsensitive) == 0 ||
                          souche.compare(QStringLiteral("ressource"), Qt::CaseInsensitive) == 0;
    if (!EstNomMecanismeValide(souche) || reservee)
        return TexteSouche.arg(souche, NomSansMecanisme);
    return std::nullopt;
}

std::optional<QString> RefusZones(const MecanismeAtelier &m)
{
    const ZonesDessin &z = m.zones;
    if (z.taille != m.plan.size() ||
        z.etiquettes.size() != std::size_t(z.taille.width()) * std::size_t(z.taille.height()))
        return TexteTailleZones.arg(z.taille.width()).arg(z.taille.height()).arg(m.plan.width()).arg(m.plan.height());
    const auto [bas, haut] = std::minmax_element(z.etiquettes.begin(), z.etiquettes.end());
    if (bas != z.etiquettes.end() && (*bas < 0 || *haut > z.nombre))
        return TexteEtiquette.arg(*bas < 0 ? *bas : *haut).arg(z.nombre);
    return std::nullopt;
}

std::optional<QString> RefusPiecesEtClasses(const MecanismeAtelier &m)
{
    QSet<int> reperes;
    for (const PieceAtelier &piece : m.pieces) {
        if (piece.repere < 1 || piece.repere > MaxZones)
            return TexteRepere.arg(piece.repere).arg(MaxZones);
        if (reperes.contains(piece.repere))
            return TexteRepereDouble.arg(piece.repere);
        reperes.insert(piece.repere);
    }
    for (std::size_t zone = 1; zone < m.pieceDeZone.size() && zone <= std::size_t(m.zones.nombre); ++zone) {
        const int piece = m.pieceDeZone[zone];
        if (piece != 0 && !reperes.contains(piece))
            return TexteZoneSansPiece.arg(zone).arg(piece);
    }
    if (m.classes.size() > std::size_t(NbrCeMax))
        return TexteTropDeClasses.arg(NbrCeMax).arg(m.classes.size());
    QHash<int, std::size_t> classeDe;
    for (std::size_t n = 0; n < m.classes.size(); ++n) {
        const ClasseAtelier &classe = m.classes[n];
        for (const int piece : classe.pieces) {
            if (!reperes.contains(piece))
                return TexteClasseSansPiece.arg(classe.nom, QString::number(piece));
            if (const auto autre = classeDe.constFind(piece); autre != classeDe.cend() && *autre != n)
                return TexteDeuxClasses.arg(piece).arg(m.classes[*autre].nom, classe.nom);
            classeDe.insert(piece, n);
        }
    }
    return std::nullopt;
}

// A mechanism is listed when it offers an exercise, unless it is hidden while it is checked.
std::optional<QString> EcrireDescripteur(const QString &chemin, const MecanismeAtelier &m,
                                         const std::array<bool, 5> &exercices, bool cache)
{
    IniAtelier descripteur(chemin);
    descripteur.ecrire(SectionExercice, QStringLiteral("Nom"), m.nom.isEmpty() ? m.souche : m.nom);
    for (int n = 1; n <= 5; ++n)
        descripteur.ecrire(SectionExercice, CleExercice(n), exercices[std::size_t(n - 1)] ? 1 : 0);
    const bool offert = std::any_of(exercices.begin(), exercices.end(), [](bool b) { return b; });
    descripteur.ecrire(SectionExercice, CleValidite, offert && !cache ? 1 : 0);
    descripteur.ecrire(QStringLiteral("MENU"), QStringLiteral("Difficulte"), m.difficulte);
    EcrireReglages(descripteur, m.reglages);
    return descripteur.enregistrer();
}

// What the checker says of the hidden descriptor's "Validite" is no finding of the teacher's.
RapportVerification SansConstatValidite(const RapportVerification &rapport, const QString &cheminDescripteur)
{
    const QString nom = NomFichier(cheminDescripteur);
    const qsizetype ligne = FichierIni(cheminDescripteur).ligne(SectionExercice, CleValidite);
    RapportVerification garde;
    for (const Constat &c : rapport.constats()) {
        if (c.fichier == nom && c.ligne == ligne)
            continue;
        if (c.gravite == Constat::Gravite::Erreur)
            garde.erreur(c.fichier, c.ligne, c.texte);
        else
            garde.avertissement(c.fichier, c.ligne, c.texte);
    }
    return garde;
}

// An exercise is offered when the checker found no error in its folder.
std::array<bool, 5> ExercicesComplets(const RapportVerification &rapport, const QString &souche)
{
    std::array<bool, 5> complets;
    complets.fill(true);
    for (const Constat &constat : rapport.constats()) {
        if (constat.gravite != Constat::Gravite::Erreur)
            continue;
        for (std::size_t i = 0; i < DossiersExercices.size(); ++i) {
            if (constat.fichier.startsWith(souche + u'/' + DossiersExercices[i] + u'/'))
                complets[i] = false;
        }
    }
    return complets;
}

} // namespace

std::optional<QString> RefusMecanismeAtelier(const MecanismeAtelier &m)
{
    if (auto refus = RefusSouche(m.souche))
        return refus;
    if (m.plan.isNull())
        return TexteSansDessin;
    if (auto refus = RefusZones(m))
        return refus;
    return RefusPiecesEtClasses(m);
}

EcritureAtelier EcrireMecanismeAtelier(const MecanismeAtelier &m, const QString &racine)
{
    EcritureAtelier resultat;
    // An empty or relative path would put the mechanism wherever the program happens to run.
    if (racine.isEmpty() || QDir::isRelativePath(racine))
        resultat.erreur = TexteRacine.arg(racine);
    else
        resultat.erreur = RefusMecanismeAtelier(m);
    if (resultat.erreur)
        return resultat;

    const QString dossierRacine = QDir::cleanPath(racine) + u'/';
    const QImage plan = m.plan.convertToFormat(QImage::Format_RGB888);
    const QImage planGris = plan.convertToFormat(QImage::Format_Grayscale8);
    const auto pdf =
        PdfA3(m.nom, plan.size(), plan.width() >= plan.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
              [&planGris](QPainter &p) { p.drawImage(QPoint(0, 0), planGris); });
    if (!pdf) {
        resultat.erreur = TexteSansPdf;
        return resultat;
    }
    SourceExercices source{.m = m,
                           .dossierMecanisme = dossierRacine + m.souche + u'/',
                           .plan = plan,
                           .pdf = *pdf,
                           .zones = NumeroterZonesExercice(m),
                           .classeDesPieces = ClasseDesPieces(m),
                           .trameClasses = {}};
    source.trameClasses = TrameClasses(m, source.classeDesPieces);

    if ((resultat.erreur = EcrirePresentation(source)) || (resultat.erreur = EcrireColoriage(source, false)) ||
        (resultat.erreur = EcrireColoriage(source, true)) || (resultat.erreur = EcrireGrapheDesLiaisons(source)) ||
        (resultat.erreur = EcrireSchemaCinematique(source)))
        return resultat;

    // Checked with every exercise offered, so that the report names what each one still lacks, but hidden from
    // the students until then; written last, so that a mechanism whose files could not all be written is not listed.
    resultat.descripteur = dossierRacine + m.souche + ExtensionDescripteur;
    std::array<bool, 5> tous;
    tous.fill(true);
    if ((resultat.erreur = EcrireDescripteur(resultat.descripteur, m, tous, true)))
        return resultat;
    resultat.rapport = SansConstatValidite(VerifierMecanisme(resultat.descripteur), resultat.descripteur);
    resultat.exercices = ExercicesComplets(resultat.rapport, m.souche);
    resultat.erreur = EcrireDescripteur(resultat.descripteur, m, resultat.exercices, false);
    return resultat;
}
