#include "GenerationMecanisme.h"

#include "PagesHtml.h"
#include "Planche.h"

#include "atelier/TextesMecanisme.h"
#include "common/FichierIni.h"
#include "joint_graph/ComparaisonGraphe.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QtMath>
#include <array>
#include <set>

namespace {

const std::array<QString, 12> NomsLiaisons{
    QString(),
    QStringLiteral("encastrement"),
    QStringLiteral("pivot"),
    QStringLiteral("glissière"),
    QStringLiteral("hélicoïdale"),
    QStringLiteral("pivot glissant"),
    QStringLiteral("sphérique à doigt"),
    QStringLiteral("sphérique"),
    QStringLiteral("appui plan"),
    QStringLiteral("linéaire annulaire"),
    QStringLiteral("linéaire rectiligne"),
    QStringLiteral("ponctuelle"),
};

QString Dossier(const Mecanisme &m, const QString &exercice) { return m.souche + u'/' + exercice + u'/'; }

int NombreZones(const std::vector<ZoneDessin> &zones) { return static_cast<int>(zones.size()); }

// The parts that have a zone in the class, in the order of the list.
QStringList PiecesDeLaClasse(const Mecanisme &m, const std::vector<ZoneDessin> &zones, int classe)
{
    QStringList noms;
    for (const PieceMecanisme &piece : m.pieces) {
        for (const ZoneDessin &z : zones) {
            if (z.classe == classe && z.piece == piece.repere) {
                noms << PieceEtRepere(piece.designation, piece.repere);
                break;
            }
        }
    }
    return noms;
}

std::vector<EntreeIni> EntreesDescripteur(const Mecanisme &m)
{
    const QString exercice = QStringLiteral("EXERCICE");
    std::vector<EntreeIni> entrees{{exercice, QStringLiteral("Nom"), m.nom}};
    for (int n = 1; n <= 5; ++n)
        entrees.push_back({exercice, QStringLiteral("Exo%1").arg(n), QStringLiteral("1")});
    entrees.push_back({exercice, QStringLiteral("Validite"), QStringLiteral("1")});
    entrees.push_back({QStringLiteral("MENU"), QStringLiteral("Difficulte"), QString::number(m.difficulte)});
    return entrees;
}

std::vector<EntreeIni> EntreesPresentation(const Mecanisme &m)
{
    std::vector<EntreeIni> entrees{
        {QStringLiteral("NOMBRE DE PIECES"), QStringLiteral("Combien"), QString::number(m.pieces.size())}};
    for (const PieceMecanisme &piece : m.pieces)
        entrees.push_back({QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(piece.repere),
                           CouleurVersTexte(piece.couleurCle)});
    entrees.push_back({QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), QStringLiteral("1")});
    return entrees;
}

std::vector<EntreeIni> EntreesNomenclature(const Mecanisme &m)
{
    std::vector<EntreeIni> entrees;
    for (const PieceMecanisme &piece : m.pieces) {
        const QString section = QStringLiteral("PIECE%1").arg(piece.repere);
        entrees.push_back({section, QStringLiteral("Repere"), QString::number(piece.repere)});
        entrees.push_back({section, QStringLiteral("Nombre"), QString::number(piece.nombre)});
        entrees.push_back({section, QStringLiteral("Designation"), piece.designation});
        entrees.push_back({section, QStringLiteral("Matiere"), piece.matiere});
        entrees.push_back({section, QStringLiteral("Observation"), piece.observation});
    }
    return entrees;
}

// The colouring exercise by parts ("p") or by classes ("ce"): what each list item must cover.
std::vector<EntreeIni> EntreesConditionColoriage(const Mecanisme &m, const std::vector<ZoneDessin> &zones,
                                                 bool parClasse)
{
    const std::size_t couleurs = parClasse ? m.classes.size() : m.pieces.size();
    std::vector<EntreeIni> entrees{
        {QStringLiteral("NOMBRE DE ZONES"), QStringLiteral("Combien"), QString::number(zones.size())},
        {QStringLiteral("NOMBRE DE COULEURS"), QStringLiteral("Combien"), QString::number(couleurs)}};
    for (int n = 1; n <= NombreZones(zones); ++n)
        entrees.push_back({QStringLiteral("COULEUR"), QStringLiteral("Zone%1").arg(n),
                           CouleurVersTexte(QColorVersCouleur(CouleurCleZone(n)))});
    entrees.push_back({QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), QStringLiteral("1")});
    entrees.push_back({QStringLiteral("MENU AIDE"), QStringLiteral("Adresse"), QStringLiteral("aide.htm")});
    entrees.push_back({QStringLiteral("MENU AIDE"), QStringLiteral("Erreur"), QStringLiteral("2")});
    return entrees;
}

std::vector<EntreeIni> EntreesSolution(const Mecanisme &m, const std::vector<ZoneDessin> &zones, bool parClasse)
{
    std::vector<EntreeIni> entrees;
    const int couleurs = static_cast<int>(parClasse ? m.classes.size() : m.pieces.size());
    std::vector<int> proprietaires;
    for (const ZoneDessin &z : zones)
        proprietaires.push_back(parClasse ? z.classe : z.piece);
    for (int h = 1; h <= couleurs; ++h)
        entrees.push_back(
            {QStringLiteral("SOLUTIONS"), QStringLiteral("Solution%1").arg(h), ChaineSolution(proprietaires, h)});
    return entrees;
}

std::vector<EntreeIni> EntreesConditionGraphe(const Mecanisme &m, const std::vector<ZoneDessin> &zones)
{
    std::vector<EntreeIni> entrees{{QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE"), QStringLiteral("Combien"),
                                    QString::number(m.classes.size())},
                                   {QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), QStringLiteral("1")},
                                   {QStringLiteral("HYPERSTATISME"), QStringLiteral("Etude"),
                                    m.etudePlane ? QStringLiteral("plane") : QStringLiteral("spatiale")}};
    for (int n = 1; n <= static_cast<int>(m.classes.size()); ++n)
        entrees.push_back({QStringLiteral("INFORMATION"), QStringLiteral("ce%1").arg(n),
                           InformationClasse(m.classes[std::size_t(n - 1)].nom, PiecesDeLaClasse(m, zones, n))});
    return entrees;
}

// A model of the joints (the correction or another accepted one), with the mechanism's classes.
std::vector<EntreeIni> EntreesCorrection(const Mecanisme &m, const std::vector<ZoneDessin> &zones,
                                         const std::vector<LiaisonMecanisme> &liaisons)
{
    const QString en = QStringLiteral("MECANISME");
    std::vector<EntreeIni> entrees{{en, QStringLiteral("Mecanisme"), m.souche},
                                   {en, QStringLiteral("NbrCe"), QString::number(m.classes.size())},
                                   {en, QStringLiteral("NbrLiaison"), QString::number(liaisons.size())}};
    const int nbr = static_cast<int>(m.classes.size());
    for (int n = 1; n <= nbr; ++n) {
        // The nodes on a circle, the first at the top.
        const double angle = qDegreesToRadians(-90.0 + 360.0 * (n - 1) / nbr);
        const QString s = QStringLiteral("Ce%1").arg(n);
        entrees.push_back({s, QStringLiteral("Couleur"), CouleurVersTexte(CouleurClasse(n))});
        entrees.push_back({s, QStringLiteral("Bati"), n == m.bati ? QStringLiteral("1") : QStringLiteral("0")});
        entrees.push_back({s, QStringLiteral("Left"), QString::number(qRound(340 + 250 * std::cos(angle)))});
        entrees.push_back({s, QStringLiteral("Top"), QString::number(qRound(270 + 250 * std::sin(angle)))});
        entrees.push_back({s, QStringLiteral("Information"),
                           InformationClasse(m.classes[std::size_t(n - 1)].nom, PiecesDeLaClasse(m, zones, n))});
    }
    for (int n = 1; n <= static_cast<int>(liaisons.size()); ++n) {
        const LiaisonMecanisme &l = liaisons[std::size_t(n - 1)];
        const QString s = QStringLiteral("Liaison%1").arg(n);
        entrees.push_back({s, QStringLiteral("Ce1"), QString::number(l.ce1)});
        entrees.push_back({s, QStringLiteral("Ce2"), QString::number(l.ce2)});
        entrees.push_back({s, QStringLiteral("Liaison3D"), QString::number(l.type)});
        entrees.push_back({s, QStringLiteral("Liaison2D"), QString::number(l.vue)});
        entrees.push_back({s, QStringLiteral("Inclineaison"), QString::number(l.inclinaison)});
    }
    return entrees;
}

std::vector<EntreeIni> EntreesConditionSchema(const Mecanisme &m)
{
    std::vector<EntreeIni> entrees{
        {QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), QStringLiteral("1")},
        {QStringLiteral("TRAME"), QStringLiteral("Type"), QString::number(m.typeTrame)},
        {QStringLiteral("TRAME"), QStringLiteral("Transparence"), QString::number(m.transparence)}};
    for (int n = 1; n <= static_cast<int>(m.classes.size()); ++n)
        entrees.push_back({QStringLiteral("TRAME"), QStringLiteral("ce%1").arg(n), CouleurVersTexte(MarqueClasse(n))});
    return entrees;
}

// The study of the correction graph, with its working, at the end of the description page.
QString SectionHyperstatisme(const Mecanisme &m, const InconnuesCatalogue &catalogue)
{
    const EtudeHyperstatisme e = EtudierHyperstatisme(m, catalogue);
    QString lignes;
    for (std::size_t i = 0; i < m.liaisons.size(); ++i) {
        const LiaisonMecanisme &l = m.liaisons[i];
        lignes += QStringLiteral("<tr><td>L%1</td><td>%2 / %3</td><td>%4</td><td>%5</td><td>%6</td></tr>\n")
                      .arg(i + 1)
                      .arg(m.classes[std::size_t(l.ce1 - 1)].nom, m.classes[std::size_t(l.ce2 - 1)].nom,
                           NomLiaison(l.type), l.role)
                      .arg(catalogue.inconnues(l.type, m.etudePlane ? l.vue : 0));
    }
    QString verdict;
    if (e.h == 0)
        verdict = QStringLiteral("Le mécanisme est isostatique.");
    else if (e.h > 0)
        verdict = QStringLiteral("Le mécanisme est hyperstatique d'ordre %1.").arg(e.h);
    else
        verdict = QStringLiteral("Le mécanisme est hypostatique.");
    return QStringLiteral(R"(<h2>Graphe des liaisons et hyperstatisme</h2>
<p>Le mécanisme compte %1 classes d'équivalence ; le bâti est la classe « %2 ». Il est étudié %3.</p>
<table border="1" cellspacing="0">
<tr><th>Liaison</th><th>Classes</th><th>Type</th><th>Où</th><th>Inconnues statiques</th></tr>
%4</table>
<p>%5</p>
<p>h = me + mi + is - %6 × n, avec is = %7 inconnues statiques et n = %8 classes isolées (toutes sauf le bâti) :</p>
<p><b>h = %9 + %10 + %7 - %6 × %8 = %11</b>. %12</p>
)")
        .arg(m.classes.size())
        .arg(m.classes[std::size_t(m.bati - 1)].nom,
             m.etudePlane ? QStringLiteral("dans le plan de la coupe (k = 3)")
                          : QStringLiteral("dans l'espace (k = 6) ; le schéma cinématique le représente en projection "
                                           "dans le plan de la coupe"),
             lignes, m.explicationMobilites)
        .arg(e.k)
        .arg(e.is)
        .arg(e.n)
        .arg(m.mobiliteExterne)
        .arg(m.mobiliteInterne)
        .arg(e.h)
        .arg(verdict);
}

} // namespace

QString NomLiaison(int type)
{
    return type >= 1 && type < static_cast<int>(NomsLiaisons.size()) ? NomsLiaisons[std::size_t(type)] : QString();
}

InconnuesCatalogue::InconnuesCatalogue(const QString &fichier) : fichier_(fichier) {}

int InconnuesCatalogue::inconnues(int type, int colonne) const
{
    return FichierIni(fichier_).lireEntier(QString::number(type), QString::number(colonne), 0);
}

EtudeHyperstatisme EtudierHyperstatisme(const Mecanisme &m, const InconnuesCatalogue &catalogue)
{
    EtudeHyperstatisme e;
    e.k = m.etudePlane ? 3 : 6;
    std::set<int> classes;
    for (const LiaisonMecanisme &l : m.liaisons) {
        e.is += catalogue.inconnues(l.type, m.etudePlane ? l.vue : 0);
        classes.insert(l.ce1);
        classes.insert(l.ce2);
    }
    e.n = static_cast<int>(classes.size()) - static_cast<int>(classes.count(m.bati));
    e.h = m.mobiliteExterne + m.mobiliteInterne + e.is - e.k * e.n;
    return e;
}

std::optional<QString> EcrireMecanisme(EcritureDemo &sortie, const Mecanisme &m, const InconnuesCatalogue &catalogue)
{
    const std::vector<ZoneDessin> zones = ZonesPlanche(m);
    const QImage plan = ImagePlanche(m, Calque::Plan);
    const QImage classes = ImagePlanche(m, Calque::Classes);
    const QString presentation = Dossier(m, QStringLiteral("presentation"));
    if (auto e = sortie.ini(m.souche + QStringLiteral(".sch"), EntreesDescripteur(m)))
        return e;
    if (auto e = sortie.pdf(presentation + QStringLiteral("plan.pdf"), m.nom, m.zoneDessin,
                            [&m](QPainter &p) { DessinerPlanche(p, m, Calque::Plan); }))
        return e;
    QFile pdf(sortie.chemin(presentation + QStringLiteral("plan.pdf")));
    if (!pdf.open(QIODevice::ReadOnly))
        return QStringLiteral("Impossible de relire \"%1\".").arg(pdf.fileName());
    const QByteArray octetsPdf = pdf.readAll();

    if (auto e = sortie.ini(presentation + QStringLiteral("condition.inf"), EntreesPresentation(m)))
        return e;
    if (auto e = sortie.ini(presentation + QStringLiteral("nomenclature.inf"), EntreesNomenclature(m)))
        return e;
    if (auto e = sortie.image(presentation + QStringLiteral("plan.bmp"), plan, "BMP"))
        return e;
    if (auto e = sortie.image(presentation + QStringLiteral("trame.bmp"), ImagePlanche(m, Calque::Reperes), "BMP"))
        return e;
    if (auto e = sortie.octets(presentation + QStringLiteral("explication.htm"),
                               PageHtml(m.nom, m.corpsExplication() + SectionHyperstatisme(m, catalogue))))
        return e;
    for (const AnnexePage &annexe : m.annexes()) {
        if (auto e = sortie.octets(presentation + annexe.nom, annexe.contenu))
            return e;
    }

    const QImage trameZones = ImagePlanche(m, Calque::Zones);
    for (const bool parClasse : {false, true}) {
        const QString d = Dossier(m, parClasse ? QStringLiteral("coloriage_ce") : QStringLiteral("coloriage_p"));
        if (auto e = sortie.ini(d + QStringLiteral("condition.inf"), EntreesConditionColoriage(m, zones, parClasse)))
            return e;
        if (auto e = sortie.ini(d + QStringLiteral("solution.inf"), EntreesSolution(m, zones, parClasse)))
            return e;
        if (auto e = sortie.image(d + QStringLiteral("trame.bmp"), trameZones, "BMP"))
            return e;
        if (auto e = sortie.image(d + QStringLiteral("plan.bmp"), plan, "BMP"))
            return e;
        if (auto e = sortie.octets(d + QStringLiteral("plan.pdf"), octetsPdf))
            return e;
        if (auto e =
                sortie.octets(d + QStringLiteral("aide/aide.htm"),
                              PageAideColoriage(m.nom, parClasse, int(parClasse ? m.classes.size() : m.pieces.size()))))
            return e;
    }

    const QString graphe = Dossier(m, QStringLiteral("graphe_des_liaisons"));
    if (auto e = sortie.ini(graphe + QStringLiteral("condition.inf"), EntreesConditionGraphe(m, zones)))
        return e;
    for (int n = 1; n <= static_cast<int>(m.classes.size()); ++n) {
        if (auto e = sortie.image(graphe + QStringLiteral("%1.bmp").arg(n), ImageClasse(plan, classes, n), "BMP"))
            return e;
    }
    if (auto e = sortie.octets(graphe + QStringLiteral("plan.pdf"), octetsPdf))
        return e;

    const QString schema = Dossier(m, QStringLiteral("schema_cinematique"));
    if (auto e = sortie.ini(schema + QStringLiteral("correction.gdl"), EntreesCorrection(m, zones, m.liaisons)))
        return e;
    for (std::size_t i = 0; i < m.autresModeles.size(); ++i) {
        const QString nom = NomModeleCorrection(static_cast<int>(i) + 2);
        if (auto e = sortie.ini(schema + nom, EntreesCorrection(m, zones, m.autresModeles[i])))
            return e;
    }
    if (auto e = sortie.ini(schema + QStringLiteral("condition.inf"), EntreesConditionSchema(m)))
        return e;
    if (auto e = sortie.image(schema + QStringLiteral("trame.bmp"), classes, "BMP"))
        return e;
    if (auto e = sortie.image(schema + QStringLiteral("plan.bmp"), plan, "BMP"))
        return e;
    return sortie.octets(schema + QStringLiteral("plan.pdf"), octetsPdf);
}
