#include "atelier/LectureMecanismeAtelier.h"

#include "atelier/ReglagesMecanisme.h"

#include "colouring/ExerciceColoriage.h"
#include "common/ChargementImage.h"
#include "common/Descripteur.h"
#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/NomMecanisme.h"
#include "presentation/LecturePresentation.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

const QString PhraseAtelier = QStringLiteral("Impossible de rouvrir ce mécanisme dans l'atelier.");
const QString TexteTrop = QStringLiteral("Le fichier \"%1\" annonce « %2 » %3, alors qu'il en faut de 0 à %4.\n\n%5");
const QString CleCombien = QStringLiteral("Combien");

TColor Pixel(const uchar *p) { return TColor(p[0]) | TColor(p[1]) << 8 | TColor(p[2]) << 16; }

// A count of an INI file, or the reason it cannot be one.
std::variant<int, QString> Compte(const FichierIni &ini, const QString &section, const QString &quoi, int maximum)
{
    const FichierIni::Compte c = ini.lireCompte(section, CleCombien, 0);
    if (c.depasse(maximum))
        return TexteTrop.arg(NomFichier(ini.chemin()), c.texte, quoi, QString::number(maximum), PhraseAtelier);
    return int(c.valeur);
}

// A picture of the mechanism, or the reason it cannot be read; a missing one is null when it may be.
std::variant<QImage, QString> Image(const QString &dossier, const QString &nom, bool exigee)
{
    const QString chemin = FichierDuDossier(dossier, nom);
    if (!QFileInfo::exists(chemin)) {
        if (exigee)
            return MessageFichierManquant(nom, PhraseAtelier);
        return QImage();
    }
    auto image = ChargerImage(chemin);
    if (const RefusImage *refus = std::get_if<RefusImage>(&image))
        return refus->message(nom, PhraseAtelier);
    return std::get<QImage>(image);
}

// The parts of the presentation, each bubble at the centre of the pixels of its key colour.
std::optional<QString> LirePieces(const QString &dossier, QSize taille, MecanismeAtelier &m)
{
    const FichierIni condition(FichierDuDossier(dossier, FichierCondition));
    const FichierIni nomenclature(FichierDuDossier(dossier, FichierNomenclature));
    const auto nombre = Compte(condition, QStringLiteral("NOMBRE DE PIECES"), QStringLiteral("pièces"), MaxZones);
    if (const QString *refus = std::get_if<QString>(&nombre))
        return *refus;
    QHash<TColor, int> pieceDeCouleur;
    for (int n = 1; n <= std::get<int>(nombre); ++n) {
        const QString section = QStringLiteral("PIECE%1").arg(n);
        m.pieces.push_back({.repere = n,
                            .nombre = nomenclature.lireEntier(section, QStringLiteral("Nombre"), 1),
                            .designation = nomenclature.lireTexte(section, QStringLiteral("Designation")),
                            .matiere = nomenclature.lireTexte(section, QStringLiteral("Matiere")),
                            .observation = nomenclature.lireTexte(section, QStringLiteral("Observation"))});
        const auto couleur = condition.lireCouleur(QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(n),
                                                   QStringLiteral("clWhite"));
        if (couleur.couleur && !pieceDeCouleur.contains(*couleur.couleur))
            pieceDeCouleur.insert(*couleur.couleur, n);
    }
    const auto trame = Image(dossier, FichierTrame, false);
    if (const QString *refus = std::get_if<QString>(&trame))
        return *refus;
    const QImage &image = std::get<QImage>(trame);
    if (image.isNull() || image.size() != taille)
        return std::nullopt;
    struct Somme {
        qint64 x = 0, y = 0, n = 0;
    };
    std::vector<Somme> sommes(m.pieces.size() + 1);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *ligne = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const TColor couleur = Pixel(ligne + 3 * x);
            if (couleur == clWhite)
                continue;
            const int piece = pieceDeCouleur.value(couleur, 0);
            sommes[std::size_t(piece)].x += x, sommes[std::size_t(piece)].y += y, ++sommes[std::size_t(piece)].n;
        }
    }
    for (PieceAtelier &piece : m.pieces) {
        const Somme &s = sommes[std::size_t(piece.repere)];
        if (s.n > 0)
            piece.bulle = QPoint(int((s.x + s.n / 2) / s.n), int((s.y + s.n / 2) / s.n));
    }
    return std::nullopt;
}

// The solution strings of a colouring folder: for each zone 1 to Z, the first part or class that holds it.
std::vector<int> Proprietaires(const QString &dossier, int zones)
{
    const FichierIni condition(FichierDuDossier(dossier, FichierConditionColoriage));
    const FichierIni solution(FichierDuDossier(dossier, FichierSolutionColoriage));
    std::vector<int> proprietaire(std::size_t(zones) + 1, 0);
    const int nombre = std::clamp<int>(condition.lireEntier(QStringLiteral("NOMBRE DE COULEURS"), CleCombien, 0), 0,
                                       MaxCouleursColoriage);
    for (int h = 1; h <= nombre; ++h) {
        const QString chaine = solution.lireTexte(QStringLiteral("SOLUTIONS"), QStringLiteral("Solution%1").arg(h));
        for (int k = 1; k <= zones && k <= chaine.size(); ++k) {
            if (chaine[k - 1] == u'1' && proprietaire[std::size_t(k)] == 0)
                proprietaire[std::size_t(k)] = h;
        }
    }
    return proprietaire;
}

// The zones of the plan decoding, numbered as in its exercise, and the part of each.
std::optional<QString> LireZones(const QString &dossier, MecanismeAtelier &m)
{
    m.zones.taille = m.plan.size();
    m.zones.etiquettes.assign(std::size_t(m.plan.width()) * std::size_t(m.plan.height()), 0);
    m.pieceDeZone.assign(1, 0);
    const FichierIni condition(FichierDuDossier(dossier, FichierConditionColoriage));
    const auto nombre =
        Compte(condition, QStringLiteral("NOMBRE DE ZONES"), QStringLiteral("zones"), MaxZonesColoriage);
    if (const QString *refus = std::get_if<QString>(&nombre))
        return *refus;
    const auto trame = Image(dossier, FichierTrameColoriage, false);
    if (const QString *refus = std::get_if<QString>(&trame))
        return *refus;
    const QImage &image = std::get<QImage>(trame);
    if (image.isNull())
        return std::nullopt;
    if (image.size() != m.plan.size())
        return MessageTailleTramePlan(image.size(), m.plan.size(), PhraseAtelier);

    QHash<TColor, int> zoneDeCouleur;
    for (int k = 1; k <= std::get<int>(nombre); ++k) {
        const auto couleur = condition.lireCouleur(QStringLiteral("COULEUR"), QStringLiteral("Zone%1").arg(k),
                                                   QStringLiteral("clBlack"));
        if (couleur.couleur && *couleur.couleur != clBlack && *couleur.couleur != clWhite &&
            !zoneDeCouleur.contains(*couleur.couleur))
            zoneDeCouleur.insert(*couleur.couleur, k);
    }
    m.zones.nombre = std::get<int>(nombre);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *ligne = image.constScanLine(y);
        std::int32_t *etiquette = m.zones.etiquettes.data() + std::size_t(y) * std::size_t(image.width());
        for (int x = 0; x < image.width(); ++x)
            etiquette[x] = zoneDeCouleur.value(Pixel(ligne + 3 * x), 0);
    }
    m.pieceDeZone = Proprietaires(dossier, m.zones.nombre);
    const int pieces = int(m.pieces.size());
    for (int &piece : m.pieceDeZone)
        piece = piece <= pieces ? piece : 0;
    return std::nullopt;
}

// The classes: their names from the joint graph, their parts from the colouring by classes. A part is kept in
// the first class that holds one of its zones.
void LireClasses(const QString &graphe, const QString &coloriageCe, MecanismeAtelier &m)
{
    const FichierIni condition(FichierDuDossier(graphe, FichierConditionGraphe));
    const std::vector<int> classeDeZone = Proprietaires(coloriageCe, m.zones.nombre);
    const int nombre =
        std::clamp<int>(std::max(condition.lireEntier(QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE"), CleCombien, 0),
                                 *std::max_element(classeDeZone.begin(), classeDeZone.end())),
                        0, NbrCeMax);
    std::vector<int> classeDePiece(m.pieces.size() + 1, 0);
    for (int h = 1; h <= nombre; ++h) {
        const QString information = condition.lireTexte(QStringLiteral("INFORMATION"), QStringLiteral("ce%1").arg(h));
        const QString nom = information.section(QStringLiteral(" : "), 0, 0).trimmed();
        m.classes.push_back({nom.isEmpty() ? QStringLiteral("Classe %1").arg(h) : nom, {}});
    }
    for (std::size_t k = 1; k < classeDeZone.size() && k < m.pieceDeZone.size(); ++k) {
        const int h = classeDeZone[k];
        const int piece = m.pieceDeZone[k];
        if (h < 1 || h > nombre || piece < 1 || classeDePiece[std::size_t(piece)] != 0)
            continue;
        classeDePiece[std::size_t(piece)] = h;
        m.classes[std::size_t(h - 1)].pieces.push_back(piece);
    }
    for (ClasseAtelier &classe : m.classes)
        std::sort(classe.pieces.begin(), classe.pieces.end());
    m.etudePlane = condition.lireTexte(QStringLiteral("HYPERSTATISME"), QStringLiteral("Etude"))
                       .compare(QStringLiteral("plane"), Qt::CaseInsensitive) == 0;
}

} // namespace

std::variant<MecanismeAtelier, QString> LireMecanismeAtelier(const QString &cheminDescripteur)
{
    if (const auto refus = VerifierFichier(cheminDescripteur, ExtensionDescripteur))
        return *refus;
    MecanismeAtelier m;
    m.souche = RadicalDescripteur(cheminDescripteur);
    const FichierIni descripteur(cheminDescripteur);
    m.nom = descripteur.lireTexte(SectionExercice, QStringLiteral("Nom"));
    m.difficulte = descripteur.lireEntier(QStringLiteral("MENU"), QStringLiteral("Difficulte"), 0);
    m.reglages = LireReglages(descripteur);

    const auto dossier = [&](const QString &nom) { return DossierExerciceDescripteur(cheminDescripteur, nom); };
    const QString presentation = dossier(NomDossierPresentation);
    auto plan = Image(presentation, FichierPlan, true);
    if (const QString *refus = std::get_if<QString>(&plan))
        return *refus;
    m.plan = std::get<QImage>(plan);
    if (auto refus = LirePieces(presentation, m.plan.size(), m))
        return *refus;
    if (auto refus = LireZones(dossier(PrefixeDossierColoriage + ModeDecodage), m))
        return *refus;
    LireClasses(dossier(NomDossierGrapheDesLiaisons), dossier(PrefixeDossierColoriage + ModeClasses), m);
    return m;
}
