#include "Mecanisme.h"

#include "PagesHtml.h"
#include "Planche.h"

#include <QPainterPathStroker>
#include <cmath>

namespace {

enum ClassePompe { CorpsPompe = 1, PistonPompe, LevierPompe, BiellettePompe, ClapetPompe, RefoulementPompe };

// The section A-A through the cylinder's axis, on the left, and the partial left view that shows its
// plane, on the right.
constexpr double Axe = 380; // axis of the cylinder in the section
constexpr double AxeVueGauche = 1200;
const QPointF ArticulationCorps(170, 350);
const QPointF ArticulationBiellette(220, 270);
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

// Thread roots of a screwed part, in thin lines.
void Filet(QPainter &p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(TraitFin());
    p.drawLine(a, b);
    p.restore();
}

void CoupeAA(Feuille &f)
{
    QPainter &p = f.trait();

    // The links lie on both sides of the lever and of the body's lug: behind them in the section.
    f.zone(9, BiellettePompe);
    f.vue(Barre(ArticulationBiellette, ArticulationCorps, 30));

    // 1 Corps: cylinder, bottom, lug of the links and, on the right, the chamber of the delivery valve
    // with its seat cast in the partition.
    f.zone(1, CorpsPompe);
    const QPainterPath corps = Rectangle(260, 440, 300, 880)
                                   .united(Rectangle(460, 440, 500, 880))
                                   .united(Rectangle(260, 840, 600, 880))
                                   .united(Rectangle(150, 440, 260, 480))
                                   .united(Rectangle(150, 320, 190, 480))
                                   .united(Rectangle(580, 680, 600, 880))
                                   .united(Rectangle(500, 680, 600, 700))
                                   .united(Rectangle(500, 770, 580, 790))
                                   .subtracted(Rectangle(335, 840, 425, 880))
                                   .subtracted(Rectangle(460, 800, 500, 830))
                                   .subtracted(Rectangle(515, 680, 565, 700))
                                   .subtracted(Rectangle(525, 770, 555, 790))
                                   .subtracted(Rectangle(580, 726, 600, 754))
                                   .subtracted(Disque(ArticulationCorps, 10));
    f.coupee(corps, 45, 10);

    // 2 Couvercle screwed in the top of the cylinder.
    f.zone(2, CorpsPompe);
    f.coupee(
        Rectangle(240, 410, 520, 440).united(Rectangle(300, 440, 460, 454)).subtracted(Rectangle(365, 410, 395, 454)),
        135, 8);
    Filet(p, {304, 440}, {304, 454});
    Filet(p, {456, 440}, {456, 454});

    // 14 Siège d'aspiration screwed in the bottom: the stem is guided in its hub, the liquid goes
    // through the two ports on each side.
    f.zone(14, CorpsPompe);
    f.coupee(Rectangle(335, 840, 425, 880)
                 .subtracted(Rectangle(347, 840, 363, 880))
                 .subtracted(Rectangle(397, 840, 413, 880))
                 .subtracted(Rectangle(374, 840, 386, 880)),
             135, 5);
    Filet(p, {339, 840}, {339, 880});
    Filet(p, {421, 840}, {421, 880});

    // 13 Clapet d'aspiration, its stem upset under the hub to limit its lift.
    f.zone(13, ClapetPompe);
    f.vue(Rectangle(340, 822, 420, 840).united(Rectangle(375, 840, 385, 900)).united(Rectangle(371, 894, 389, 900)));

    // 17 Bouchon screwed in the top of the chamber; its bore guides the delivery valve and stops it.
    f.zone(17, CorpsPompe);
    f.coupee(
        Rectangle(505, 660, 575, 680).united(Rectangle(515, 680, 565, 700)).subtracted(Rectangle(534, 672, 546, 700)),
        135, 5);
    Filet(p, {519, 680}, {519, 700});
    Filet(p, {561, 680}, {561, 700});

    // 16 Clapet de refoulement on the seat of the partition.
    f.zone(16, RefoulementPompe);
    f.vue(Rectangle(518, 760, 562, 770).united(Rectangle(535, 686, 545, 760)));

    // 15 Raccord de refoulement screwed in the side of the chamber.
    f.zone(15, CorpsPompe);
    f.coupee(Rectangle(580, 726, 600, 754)
                 .united(Rectangle(600, 716, 622, 764))
                 .united(Rectangle(622, 728, 680, 752))
                 .subtracted(Rectangle(580, 734, 680, 746)),
             135, 6);
    Filet(p, {580, 729}, {600, 729});
    Filet(p, {580, 751}, {600, 751});

    // 3 Tige de piston: a shoulder on the piston, a thread for the nut under it.
    f.zone(4, PistonPompe);
    f.coupee(Rectangle(300, 680, 460, 730).subtracted(Rectangle(369, 680, 391, 730)), 135, 8);
    f.zone(6, PistonPompe);
    f.coupee(Rectangle(300, 730, 460, 745).subtracted(Rectangle(369, 730, 391, 745)), 45, 3);

    // 7 Levier, forked where the rod goes through it: the section plane passes between the two cheeks,
    // so the far one is seen behind the rod.
    f.zone(7, LevierPompe);
    f.coupee(Rectangle(200, 255, 355, 285).united(Rectangle(405, 255, 830, 285)), 45, 8);
    f.vue(Rectangle(355, 255, 405, 285));
    f.zone(8, LevierPompe);
    QPainterPath poignee;
    poignee.addRoundedRect(QRectF(780, 245, 190, 50), 20, 20);
    f.vue(poignee);

    f.zone(3, PistonPompe);
    f.vue(Polygone({{365, 262},
                    {369, 258},
                    {391, 258},
                    {395, 262},
                    {395, 680},
                    {391, 680},
                    {391, 779},
                    {388, 782},
                    {372, 782},
                    {369, 779},
                    {369, 680},
                    {365, 680}}));
    Filet(p, {372, 735}, {372, 782});
    Filet(p, {388, 735}, {388, 782});
    // End of the flats that the lever's fork holds.
    p.save();
    p.setPen(TraitFort());
    p.drawLine(QPointF(366, 296), QPointF(394, 296));
    p.restore();
    f.zone(5, PistonPompe);
    f.vue(Rectangle(352, 745, 408, 772));

    // The pins are cut across.
    f.zone(10, PistonPompe);
    f.coupee(Disque(ArticulationTige, 10), 135, 4);
    f.zone(11, BiellettePompe);
    f.coupee(Disque(ArticulationBiellette, 10), 135, 4);
    f.zone(12, CorpsPompe);
    f.coupee(Disque(ArticulationCorps, 10), 135, 4);

    LigneAxe(p, QPointF(Axe, 230), QPointF(Axe, 912));
    LigneAxe(p, QPointF(540, 650), QPointF(540, 800));
    LigneAxe(p, QPointF(570, 740), QPointF(690, 740));
    for (const QPointF &c : {ArticulationCorps, ArticulationBiellette, ArticulationTige}) {
        LigneAxe(p, c - QPointF(16, 0), c + QPointF(16, 0));
        LigneAxe(p, c - QPointF(0, 16), c + QPointF(0, 16));
    }
    // The arrows of the liquid: drawn in, pushed out.
    Fleche(p, QPointF(Axe, 960), QPointF(Axe, 915));
    Fleche(p, QPointF(695, 740), QPointF(750, 740));
    Texte(p, QRectF(400, 925, 260, 30), 20, true, QStringLiteral("COUPE A-A"));
}

// The top of the pump seen from the left, broken off under the lug: nearest are the lug, the links and
// the ends of their pins; the lever is seen end on, the handle behind it.
void VuePartielleGauche(Feuille &f)
{
    QPainter &p = f.trait();
    const double c = AxeVueGauche;
    f.zone(8, LevierPompe);
    f.vue(Disque(QPointF(c, 270), 25));
    f.zone(2, CorpsPompe);
    f.vue(Rectangle(c - 140, 410, c + 140, 440));
    f.zone(3, PistonPompe);
    f.vue(Rectangle(c - 15, 258, c + 15, 410));
    f.zone(1, CorpsPompe);
    f.vue(Rectangle(c - 120, 440, c + 120, 470));
    f.vue(Rectangle(c - 20, 440, c + 20, 470));
    f.vue(Rectangle(c - 6, 320, c + 6, 470));
    f.zone(7, LevierPompe);
    f.vue(Rectangle(c - 6, 255, c + 6, 285));
    for (const double cote : {-1.0, 1.0}) {
        f.zone(9, BiellettePompe);
        f.vue(Rectangle(c + cote * 6, 255, c + cote * 16, 365));
    }
    f.zone(11, BiellettePompe);
    f.vue(Rectangle(c - 20, 260, c + 20, 280));
    f.zone(12, CorpsPompe);
    f.vue(Rectangle(c - 20, 340, c + 20, 360));

    // The break, in a thin wavy line.
    p.save();
    p.fillRect(QRectF(c - 146, 466, 292, 8), Qt::white);
    p.setPen(TraitFin());
    QPolygonF rupture;
    for (double x = c - 130; x <= c + 130; x += 4)
        rupture << QPointF(x, 470 + 3 * std::sin((x - c) / 9));
    p.drawPolyline(rupture);
    p.restore();

    LigneAxe(p, QPointF(c, 236), QPointF(c, 480));
    for (const double y : {270.0, 350.0})
        LigneAxe(p, QPointF(c - 30, y), QPointF(c + 30, y));
    TraceCoupe(p, c, 232, 482, -1, QStringLiteral("A"));
}

void DessinerVuesPompe(Feuille &f)
{
    CoupeAA(f);
    VuePartielleGauche(f);
}

std::vector<Repere> ReperesPompe()
{
    return {{1, {70, 600}, {270, 600}},   {2, {640, 420}, {512, 424}},  {3, {640, 340}, {392, 350}},
            {4, {70, 690}, {310, 700}},   {5, {70, 810}, {356, 762}},   {6, {70, 750}, {310, 738}},
            {7, {620, 190}, {600, 272}},  {8, {900, 190}, {880, 282}},  {9, {70, 230}, {201, 302}},
            {10, {380, 190}, {382, 266}}, {11, {220, 190}, {222, 266}}, {12, {70, 350}, {162, 350}},
            {13, {70, 870}, {345, 831}},  {14, {250, 950}, {368, 876}}, {15, {760, 690}, {650, 731}},
            {16, {760, 830}, {556, 767}}, {17, {760, 620}, {570, 670}}};
}

std::vector<PieceMecanisme> PiecesPompe()
{
    return {
        {1, 1, QStringLiteral("Corps"), QStringLiteral("EN-GJL-200"), QStringLiteral("Moulé, alésage rodé"),
         0x000000FF},
        {2, 1, QStringLiteral("Couvercle"), QStringLiteral("EN AW-2017"),
         QStringLiteral("Vissé dans le corps, guide la tige"), 0x0000FF00},
        {3, 1, QStringLiteral("Tige de piston"), QStringLiteral("C35"),
         QStringLiteral("Chromée, bout aplati dans la chape"), 0x00FF0000},
        {4, 1, QStringLiteral("Piston"), QStringLiteral("CuSn8"), QString(), 0x0000FFFF},
        {5, 1, QStringLiteral("Écrou H M12"), QStringLiteral("Classe 8"), QStringLiteral("ISO 4032"), 0x00FF00FF},
        {6, 1, QStringLiteral("Coupelle d'étanchéité"), QStringLiteral("NBR"), QStringLiteral("Lèvre vers le bas"),
         0x00FFFF00},
        {7, 1, QStringLiteral("Levier"), QStringLiteral("S235"), QStringLiteral("Plat 30 × 12, chape sur la tige"),
         0x000080FF},
        {8, 1, QStringLiteral("Poignée"), QStringLiteral("PA 6"), QStringLiteral("Emmanchée"), 0x00FF8000},
        {9, 2, QStringLiteral("Biellette"), QStringLiteral("S235"), QStringLiteral("De part et d'autre du levier"),
         0x008000FF},
        {10, 1, QStringLiteral("Axe Ø 12 levier-tige"), QStringLiteral("C45"), QStringLiteral("Goupillé dans la tige"),
         0x0000FF80},
        {11, 1, QStringLiteral("Axe Ø 12 levier-biellettes"), QStringLiteral("C45"),
         QStringLiteral("Rivé sur les biellettes"), 0x0080FF00},
        {12, 1, QStringLiteral("Axe Ø 12 biellettes-corps"), QStringLiteral("C45"),
         QStringLiteral("Goupillé dans l'oreille du corps"), 0x00FF0080},
        {13, 1, QStringLiteral("Clapet d'aspiration"), QStringLiteral("CuZn39Pb3"),
         QStringLiteral("Guidé par sa queue dans le siège"), 0x00008080},
        {14, 1, QStringLiteral("Siège de clapet"), QStringLiteral("CuZn39Pb3"),
         QStringLiteral("Vissé dans le corps, deux lumières"), 0x00800080},
        {15, 1, QStringLiteral("Raccord de refoulement"), QStringLiteral("S235"), QStringLiteral("Vissé, G 3/8"),
         0x00808000},
        {16, 1, QStringLiteral("Clapet de refoulement"), QStringLiteral("CuZn39Pb3"),
         QStringLiteral("Guidé par sa queue dans le bouchon"), 0x00804000},
        {17, 1, QStringLiteral("Bouchon"), QStringLiteral("CuZn39Pb3"),
         QStringLiteral("Vissé, guide et butée du clapet 16"), 0x00004080},
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
articulées sur l'oreille du corps (1). Quand on lève la poignée, le levier tire la tige de piston (3) vers le haut ;
les biellettes basculent un peu pour laisser l'articulation du levier suivre la tige, qui reste guidée en ligne
droite par le couvercle (2).</p>
<p>Le levier (7) est fendu en chape là où il passe sur la tige : la tige s'articule entre ses deux joues sur
l'axe (10). Les biellettes, de part et d'autre du levier et de l'oreille du corps, sont derrière eux dans la
coupe A-A, dont la vue partielle de gauche montre le plan.</p>
<p>En montant, le piston (4) et sa coupelle d'étanchéité (6) créent une dépression sous eux : le clapet
d'aspiration (13) se soulève de son siège (14) et le liquide entre dans le cylindre par les deux lumières du
siège, de part et d'autre du moyeu qui guide la queue du clapet. Pendant ce temps, le clapet de refoulement (16)
reste appuyé sur son siège, par son poids et par la dépression : le liquide déjà refoulé ne revient pas.</p>
<p>En redescendant, le piston pousse le liquide : le clapet d'aspiration se referme, le clapet de refoulement se
soulève, guidé par sa queue dans le bouchon (17) qui limite sa levée, et le liquide passe dans la chambre de
refoulement puis sort par le raccord (15).</p>
<h2>Les pièces</h2>
<p>La pompe compte dix-sept repères, listés dans la nomenclature au-dessus du cartouche. Dans l'onglet « Dessin
technique », cliquez sur le numéro d'une pièce pour connaître sa désignation, sa matière et le nombre
d'exemplaires.</p>
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
                    {QStringLiteral("Clapet d'aspiration")},
                    {QStringLiteral("Clapet de refoulement")}},
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
                     {ClapetPompe, CorpsPompe, 5, 1, 90,
                      QStringLiteral("la queue du clapet d'aspiration coulisse dans son siège (14)")},
                     {RefoulementPompe, CorpsPompe, 5, 1, 90,
                      QStringLiteral("la queue du clapet de refoulement coulisse dans le bouchon (17)")}},
        .etudePlane = true,
        .mobiliteExterne = 1,
        .mobiliteInterne = 2,
        .explicationMobilites = QStringLiteral(
            "Dans le plan, la mobilité utile est le mouvement du levier, qui fait monter et descendre le "
            "piston : me = 1. Chaque clapet monte et descend seul, poussé par le liquide, sans dépendre du "
            "levier : mi = 2. Dans le plan, un pivot apporte 2 inconnues et un pivot glissant, vu comme une "
            "glissière, 2 aussi. La boucle corps – piston – levier – biellettes compte 4 liaisons, soit "
            "2 + 2 + 2 + 2 = 8 inconnues, pour 3 × 3 = 9 équations et une mobilité : 1 + 8 - 9 = 0. Chaque "
            "clapet, isolé, apporte 2 inconnues et 1 mobilité pour 3 équations : 0 aussi. Le mécanisme, "
            "étudié dans le plan, est donc isostatique."),
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
