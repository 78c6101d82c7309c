#include "Mecanisme.h"

#include "PagesHtml.h"
#include "Planche.h"

#include <QPainterPathStroker>

namespace {

enum ClassePompe { CorpsPompe = 1, PistonPompe, LevierPompe, BiellettePompe, ClapetPompe };

constexpr double Axe = 700; // axis of the cylinder
const QPointF ArticulationCorps(490, 350);
const QPointF ArticulationBiellette(540, 270);
const QPointF ArticulationTige(Axe, 270);

QPainterPath Barre(QPointF a, QPointF b, double largeur)
{
    QPainterPath ligne(a);
    ligne.lineTo(b);
    QPainterPathStroker contour;
    contour.setWidth(largeur);
    contour.setCapStyle(Qt::RoundCap);
    return contour.createStroke(ligne).simplified();
}

void DessinerVuesPompe(Feuille &f)
{
    QPainter &p = f.trait();

    f.zone(1, CorpsPompe);
    const QPainterPath corps = Rectangle(580, 440, 620, 880)
                                   .united(Rectangle(780, 440, 820, 880))
                                   .united(Rectangle(580, 840, 820, 880))
                                   .united(Rectangle(470, 440, 580, 480))
                                   .united(Rectangle(470, 320, 510, 480))
                                   .subtracted(Rectangle(665, 840, 735, 880))
                                   .subtracted(Rectangle(780, 760, 820, 790))
                                   .subtracted(Disque(ArticulationCorps, 10));
    f.coupee(corps, 45, 10);

    f.zone(2, CorpsPompe);
    f.coupee(Rectangle(560, 410, 840, 440).subtracted(Rectangle(685, 410, 715, 440)), 135, 8);

    f.zone(14, CorpsPompe);
    f.coupee(Rectangle(665, 840, 735, 880).subtracted(Rectangle(688, 840, 712, 880)), 135, 5);

    f.zone(13, ClapetPompe);
    f.vue(Rectangle(660, 822, 740, 840).united(Rectangle(690, 840, 710, 905)));

    f.zone(15, CorpsPompe);
    f.coupee(Rectangle(820, 750, 900, 800).subtracted(Rectangle(820, 767, 900, 783)), 135, 6);

    f.zone(3, PistonPompe);
    f.vue(Rectangle(685, 250, 715, 775));
    p.setPen(TraitFin());
    p.drawLine(QPointF(688, 735), QPointF(688, 775));
    p.drawLine(QPointF(712, 735), QPointF(712, 775));

    f.zone(4, PistonPompe);
    f.coupee(Rectangle(620, 680, 780, 730).subtracted(Rectangle(685, 680, 715, 730)), 135, 8);
    f.zone(6, PistonPompe);
    f.coupee(Rectangle(620, 730, 780, 745).subtracted(Rectangle(685, 730, 715, 745)), 45, 3);
    f.zone(5, PistonPompe);
    f.vue(Rectangle(672, 745, 728, 772));

    f.zone(7, LevierPompe);
    f.coupee(Rectangle(520, 255, 1150, 285), 45, 8);
    f.zone(8, LevierPompe);
    QPainterPath poignee;
    poignee.addRoundedRect(QRectF(1100, 245, 190, 50), 20, 20);
    f.vue(poignee);

    f.zone(9, BiellettePompe);
    f.vue(Barre(ArticulationBiellette, ArticulationCorps, 30));

    f.zone(10, PistonPompe);
    f.vue(Disque(ArticulationTige, 10));
    f.zone(11, BiellettePompe);
    f.vue(Disque(ArticulationBiellette, 10));
    f.zone(12, CorpsPompe);
    f.vue(Disque(ArticulationCorps, 10));

    LigneAxe(p, QPointF(Axe, 230), QPointF(Axe, 915));
    LigneAxe(p, QPointF(840, 775), QPointF(915, 775));
    for (const QPointF &c : {ArticulationCorps, ArticulationBiellette, ArticulationTige}) {
        LigneAxe(p, c - QPointF(16, 0), c + QPointF(16, 0));
        LigneAxe(p, c - QPointF(0, 16), c + QPointF(0, 16));
    }
    // The arrows of the fluid: drawn in, pushed out.
    Fleche(p, QPointF(Axe, 960), QPointF(Axe, 915));
    Fleche(p, QPointF(905, 775), QPointF(960, 775));
    Texte(p, QRectF(700, 915, 260, 30), 20, true, QStringLiteral("COUPE A-A"));
}

std::vector<Repere> ReperesPompe()
{
    return {{1, {380, 640}, {590, 620}},  {2, {1000, 400}, {830, 425}},  {3, {1000, 520}, {712, 560}},
            {4, {1000, 640}, {770, 700}}, {5, {1000, 832}, {722, 765}},  {6, {1000, 700}, {772, 738}},
            {7, {860, 170}, {900, 270}},  {8, {1200, 170}, {1200, 280}}, {9, {380, 250}, {512, 310}},
            {10, {700, 170}, {703, 262}}, {11, {540, 170}, {540, 262}},  {12, {380, 360}, {484, 350}},
            {13, {420, 900}, {663, 830}}, {14, {560, 950}, {670, 870}},  {15, {1000, 780}, {890, 760}}};
}

std::vector<PieceMecanisme> PiecesPompe()
{
    return {
        {1, 1, QStringLiteral("Corps"), QStringLiteral("EN-GJL-200"), QStringLiteral("Moulé, alésage rodé"),
         0x000000FF},
        {2, 1, QStringLiteral("Couvercle"), QStringLiteral("EN AW-2017"), QStringLiteral("Guide la tige"), 0x0000FF00},
        {3, 1, QStringLiteral("Tige de piston"), QStringLiteral("C35"), QStringLiteral("Chromée"), 0x00FF0000},
        {4, 1, QStringLiteral("Piston"), QStringLiteral("CuSn8"), QString(), 0x0000FFFF},
        {5, 1, QStringLiteral("Écrou H M12"), QStringLiteral("Classe 8"), QStringLiteral("ISO 4032"), 0x00FF00FF},
        {6, 1, QStringLiteral("Coupelle d'étanchéité"), QStringLiteral("NBR"), QStringLiteral("Lèvre vers le bas"),
         0x00FFFF00},
        {7, 1, QStringLiteral("Levier"), QStringLiteral("S235"), QStringLiteral("Plat 30 × 12"), 0x000080FF},
        {8, 1, QStringLiteral("Poignée"), QStringLiteral("PA 6"), QStringLiteral("Emmanchée"), 0x00FF8000},
        {9, 2, QStringLiteral("Biellette"), QStringLiteral("S235"), QStringLiteral("De part et d'autre du levier"),
         0x008000FF},
        {10, 1, QStringLiteral("Axe Ø 12 levier-tige"), QStringLiteral("C45"), QStringLiteral("Goupillé dans la tige"),
         0x0000FF80},
        {11, 1, QStringLiteral("Axe Ø 12 levier-biellettes"), QStringLiteral("C45"),
         QStringLiteral("Rivé sur les biellettes"), 0x0080FF00},
        {12, 1, QStringLiteral("Axe Ø 12 biellettes-corps"), QStringLiteral("C45"),
         QStringLiteral("Goupillé dans la chape du corps"), 0x00FF0080},
        {13, 1, QStringLiteral("Clapet"), QStringLiteral("CuZn39Pb3"), QStringLiteral("Guidé par sa queue"),
         0x00008080},
        {14, 1, QStringLiteral("Siège de clapet"), QStringLiteral("CuZn39Pb3"), QStringLiteral("Vissé dans le corps"),
         0x00800080},
        {15, 1, QStringLiteral("Raccord de refoulement"), QStringLiteral("S235"), QStringLiteral("Vissé, G 3/8"),
         0x00808000},
    };
}

// The pump on its stand, the handle's stroke and the water's way.
QImage ImageUtilisationPompe()
{
    QImage image(480, 300, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor metal(120, 140, 160);
    p.setPen(QPen(QColor(38, 48, 60), 1.5));
    p.setBrush(QColor(170, 190, 210));
    p.drawRect(QRectF(150, 110, 60, 150));
    p.drawRect(QRectF(120, 255, 120, 14));
    p.setBrush(metal);
    p.drawRect(QRectF(174, 70, 12, 45));
    p.save();
    p.translate(180, 76);
    p.rotate(-12);
    p.drawRoundedRect(QRectF(-60, -6, 330, 12), 5, 5);
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(210, -9, 70, 18), 8, 8);
    p.restore();
    p.setBrush(metal);
    p.drawRect(QRectF(112, 76, 10, 60));
    p.setPen(QPen(QColor(31, 78, 121), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(360, 0, 90, 120), 100 * 16, 140 * 16);
    p.setPen(QPen(QColor(0, 110, 200), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(180, 295), QPointF(180, 270));
    p.drawLine(QPointF(210, 215), QPointF(300, 215));
    p.setFont(PoliceDessin(13));
    p.setPen(QColor(27, 39, 51));
    p.drawText(QPointF(305, 220), QStringLiteral("refoulement"));
    p.drawText(QPointF(190, 292), QStringLiteral("aspiration"));
    p.drawText(QPointF(300, 40), QStringLiteral("levier"));
    return image;
}

QString CorpsExplicationPompe()
{
    return QStringLiteral(R"(<h1>Pompe à main</h1>
<p><img src="utilisation.png" width="480" height="300" alt="La pompe à main, son levier et le trajet du liquide"></p>
<p class="legende">Un mouvement de va-et-vient du levier aspire le liquide par le bas et le refoule sur le côté.</p>
<h2>À quoi sert-elle ?</h2>
<p>Cette pompe à piston transvase un liquide (eau, fioul, huile) d'une cuve vers un réservoir. On l'actionne à la
main par son levier (7), muni d'une poignée (8).</p>
<h2>Comment fonctionne-t-elle ?</h2>
<p>Le levier n'est pas articulé directement sur le corps : il est porté par deux biellettes (9), elles-mêmes
articulées sur la chape du corps (1). Quand on lève la poignée, le levier tire la tige de piston (3) vers le haut ;
les biellettes basculent un peu pour laisser l'articulation du levier suivre la tige, qui reste guidée en ligne
droite par le couvercle (2).</p>
<p>En montant, le piston (4) et sa coupelle d'étanchéité (6) créent une dépression sous eux : le clapet (13) se
soulève de son siège (14) et le liquide entre dans le cylindre. En redescendant, le piston pousse le liquide : le
clapet se referme et le liquide sort par le raccord de refoulement (15).</p>
<h2>Les pièces</h2>
<p>La pompe compte quinze repères. Dans l'onglet « Dessin technique », cliquez sur le numéro d'une pièce pour
connaître sa désignation, sa matière et le nombre d'exemplaires.</p>
)");
}

} // namespace

const Mecanisme &MecanismePompe()
{
    static const Mecanisme pompe{
        .souche = QStringLiteral("pompe"),
        .nom = QStringLiteral("Pompe à main"),
        .reference = QStringLiteral("PM-02"),
        .echelle = QStringLiteral("1:2"),
        .difficulte = 2,
        .zoneDessin = QSize(1400, 990),
        .pieces = PiecesPompe(),
        .reperes = ReperesPompe(),
        .classes = {{QStringLiteral("Corps")},
                    {QStringLiteral("Piston")},
                    {QStringLiteral("Levier")},
                    {QStringLiteral("Biellettes")},
                    {QStringLiteral("Clapet")}},
        .bati = CorpsPompe,
        // Every axis of rotation stands across the section plane: the pivots are drawn in the view
        // "Droite"; the two sliding joints lie along the vertical axis of the view "Face".
        .liaisons = {{CorpsPompe, PistonPompe, 5, 1, 90,
                      QStringLiteral("la tige coulisse dans le couvercle, le piston dans le cylindre")},
                     {PistonPompe, LevierPompe, 2, 2, 0, QStringLiteral("l'axe (10) entre la tige et le levier")},
                     {LevierPompe, BiellettePompe, 2, 2, 0,
                      QStringLiteral("l'axe (11) entre le levier et les biellettes")},
                     {BiellettePompe, CorpsPompe, 2, 2, 0,
                      QStringLiteral("l'axe (12) entre les biellettes et le corps")},
                     {ClapetPompe, CorpsPompe, 5, 1, 90, QStringLiteral("la queue du clapet coulisse dans son siège")}},
        .etudePlane = true,
        .mobiliteExterne = 1,
        .mobiliteInterne = 1,
        .explicationMobilites = QStringLiteral(
            "Dans le plan, la mobilité utile est le mouvement du levier, qui fait monter et descendre le "
            "piston : me = 1. Le clapet monte et descend seul, poussé par le liquide, sans dépendre du "
            "levier : mi = 1."),
        .hyperstatismeAttendu = 0,
        .typeTrame = 1,
        .transparence = -30,
        .dessinerVues = DessinerVuesPompe,
        .corpsExplication = CorpsExplicationPompe,
        .annexes =
            [] {
                return std::vector<AnnexePage>{{QStringLiteral("utilisation.png"), OctetsPng(ImageUtilisationPompe())}};
            },
    };
    return pompe;
}
