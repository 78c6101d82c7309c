#include "PlanEtau.h"

#include "Planche.h"

namespace {

constexpr double AxeVis = 470;        // axis of the lead screw in both views
constexpr double CentreCoupeB = 1250; // plane of symmetry in the cross section
constexpr double PlanCoupeB = 620;    // where the cross section cuts the longitudinal view
// The views are drawn this much higher than the coordinates below, clear of the bill of materials.
constexpr double Remontee = 100;

const VisCHc VisMachoire{12, 20, 12, 40, 24};
const VisCHc VisEcrou{12, 20, 12, 60, 30};
const VisCHc VisPlaque{8, 14, 8, 24, 14};

void CoupeLongitudinale(Feuille &f)
{
    QPainter &p = f.trait();
    // Visible top edge of the slideways, behind the section plane.
    p.setPen(TraitFort());
    p.drawLine(QPointF(250, 400), QPointF(960, 400));

    // 1 Corps: fixed jaw, channel floor and end wall with the bearing of the screw.
    QPainterPath corps = Polygone({{106, 260},
                                   {226, 260},
                                   {226, 336},
                                   {250, 336},
                                   {250, 560},
                                   {960, 560},
                                   {960, 400},
                                   {1010, 400},
                                   {1010, 600},
                                   {930, 600},
                                   {930, 590},
                                   {180, 590},
                                   {180, 600},
                                   {100, 600},
                                   {100, 266}});
    corps = corps.subtracted(Rectangle(960, 455, 1010, 485));
    corps = corps.subtracted(Rectangle(190, 292, 226, 304));
    f.zone(1, BatiEtau);
    f.coupee(corps, 45, 10);

    // 4 Écrou, under the mobile jaw.
    f.zone(4, MorsMobileEtau);
    f.coupee(Rectangle(560, 400, 680, 535).subtracted(Rectangle(560, 450, 680, 490)), 45, 5);

    // 2 Mors mobile.
    const QPainterPath mors =
        Polygone({{529, 260}, {694, 260}, {700, 266}, {700, 400}, {505, 400}, {505, 336}, {529, 336}})
            .subtracted(Rectangle(529, 292, 564, 304));
    f.zone(2, MorsMobileEtau);
    f.coupee(mors, 135, 10);

    // 5 Mâchoires, each held on its jaw by 6 screws put in from the clamping face.
    const QPainterPath logementFixe = Rectangle(236, 287, 250, 309).united(Rectangle(226, 291, 236, 305));
    const QPainterPath logementMobile = Rectangle(505, 287, 519, 309).united(Rectangle(519, 291, 529, 305));
    f.zone(5, BatiEtau);
    f.coupee(Rectangle(226, 262, 250, 334).subtracted(logementFixe), 135, 5);
    f.zone(5, MorsMobileEtau);
    f.coupee(Rectangle(505, 262, 529, 334).subtracted(logementMobile), 45, 5);
    f.zone(6, BatiEtau);
    DessinerVisCHc(f, QPointF(249, 298), 180, VisMachoire);
    f.zone(6, MorsMobileEtau);
    DessinerVisCHc(f, QPointF(506, 298), 0, VisMachoire);

    // 3 Vis de manœuvre: threaded part, journal in the end wall, head.
    const QPainterPath vis =
        Polygone({{281, 450}, {880, 450}, {880, 490}, {281, 490}, {275, 484}, {275, 456}})
            .united(Rectangle(880, 455, 1018, 485))
            .united(Polygone({{1018, 442}, {1072, 442}, {1078, 448}, {1078, 492}, {1072, 498}, {1018, 498}}));
    f.zone(3, VisEtau);
    f.vue(vis);
    p.setPen(TraitFin());
    p.drawLine(QPointF(275, 454), QPointF(880, 454));
    p.drawLine(QPointF(275, 486), QPointF(880, 486));
    p.setPen(TraitFort());
    p.drawLine(QPointF(880, 450), QPointF(880, 490));

    // 8 Bague d'arrêt pinned on the journal by 9, 10 Rondelle under the head.
    const QPainterPath goupille = Rectangle(937, 436, 947, 504);
    f.zone(8, VisEtau);
    f.coupee(Rectangle(926, 436, 958, 504).subtracted(Rectangle(926, 455, 958, 485)).subtracted(goupille), 135, 5);
    f.zone(9, VisEtau);
    f.vue(goupille);
    f.zone(10, VisEtau);
    f.coupee(Rectangle(1010, 446, 1018, 455), 45, 3);
    f.coupee(Rectangle(1010, 485, 1018, 494), 45, 3);

    // 11 Levier through the head of the screw, 12 its two ends.
    f.zone(11, LevierEtau);
    f.vue(Rectangle(1040, 372, 1056, 568));
    f.zone(12, LevierEtau);
    f.vue(Disque(QPointF(1048, 360), 14));
    f.zone(12, LevierEtau);
    f.vue(Disque(QPointF(1048, 580), 14));

    LigneAxe(p, QPointF(262, AxeVis), QPointF(1094, AxeVis));
    LigneAxe(p, QPointF(1048, 334), QPointF(1048, 606));
    LigneAxe(p, QPointF(942, 426), QPointF(942, 514));
    LigneAxe(p, QPointF(182, 298), QPointF(258, 298));
    LigneAxe(p, QPointF(497, 298), QPointF(572, 298));

    TraceCoupe(p, PlanCoupeB, 250, 610, -1, QStringLiteral("B"));
    Texte(p, QRectF(400, 725, 320, 30), 20, true, QStringLiteral("COUPE A-A"));
}

void CoupeTransversale(Feuille &f)
{
    QPainter &p = f.trait();
    const double c = CentreCoupeB;

    // 1 Corps: slideways and floor of the channel.
    f.zone(1, BatiEtau);
    f.coupee(Polygone({{c - 105, 400},
                       {c - 60, 400},
                       {c - 60, 560},
                       {c + 60, 560},
                       {c + 60, 400},
                       {c + 105, 400},
                       {c + 105, 430},
                       {c + 85, 430},
                       {c + 85, 560},
                       {c + 105, 560},
                       {c + 105, 600},
                       {c - 105, 600},
                       {c - 105, 560},
                       {c - 85, 560},
                       {c - 85, 430},
                       {c - 105, 430}}),
             45, 10);

    // 13 Plaques de guidage under the skirts of the mobile jaw, each held by two screws 14 (the
    // section shows one), heads underneath, outside the body.
    f.zone(13, MorsMobileEtau);
    f.coupee(Rectangle(c - 125, 432, c - 88, 446), 45, 4);
    f.zone(13, MorsMobileEtau);
    f.coupee(Rectangle(c + 88, 432, c + 125, 446), 45, 4);

    // 2 Mors mobile with the counterbores of the nut screws.
    QPainterPath mors = Polygone({{c - 125, 266},
                                  {c - 119, 260},
                                  {c + 119, 260},
                                  {c + 125, 266},
                                  {c + 125, 432},
                                  {c + 107, 432},
                                  {c + 107, 400},
                                  {c - 107, 400},
                                  {c - 107, 432},
                                  {c - 125, 432}});
    for (const double x : {c - 35, c + 35}) {
        mors = mors.subtracted(Rectangle(x - 11, 260, x + 11, 370));
        mors = mors.subtracted(Rectangle(x - 7, 370, x + 7, 400));
    }
    f.zone(2, MorsMobileEtau);
    f.coupee(mors, 135, 10);

    // 4 Écrou around the screw, 3 Vis de manœuvre cut across.
    QPainterPath ecrou = Rectangle(c - 50, 400, c + 50, 535).subtracted(Disque(QPointF(c, AxeVis), 20));
    for (const double x : {c - 35, c + 35})
        ecrou = ecrou.subtracted(Rectangle(x - 6, 400, x + 6, 434));
    f.zone(4, MorsMobileEtau);
    f.coupee(ecrou, 45, 5);
    f.zone(3, VisEtau);
    f.coupee(Disque(QPointF(c, AxeVis), 20), 135, 5);
    p.setPen(TraitFin());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c - 16, AxeVis - 16, 32, 32), 0, 270 * 16);

    // 7 Vis holding the nut under the mobile jaw.
    for (const double x : {c - 35, c + 35}) {
        f.zone(7, MorsMobileEtau);
        DessinerVisCHc(f, QPointF(x, 358), 90, VisEcrou);
    }
    for (const double x : {c - 116, c + 116}) {
        f.zone(14, MorsMobileEtau);
        DessinerVisCHc(f, QPointF(x, 446 + VisPlaque.k), -90, VisPlaque);
    }

    LigneAxe(p, QPointF(c, 252), QPointF(c, 606));
    LigneAxe(p, QPointF(c - 28, AxeVis), QPointF(c + 28, AxeVis));
    for (const double x : {c - 35, c + 35})
        LigneAxe(p, QPointF(x, 350), QPointF(x, 442));
    for (const double x : {c - 116, c + 116})
        LigneAxe(p, QPointF(x, 414), QPointF(x, 462));

    TraceCoupe(p, c, 250, 610, 1, QStringLiteral("A"));
    Texte(p, QRectF(c - 110, 656, 220, 30), 20, true, QStringLiteral("COUPE B-B"));
}

} // namespace

const std::vector<Repere> &ReperesEtau()
{
    static const std::vector<Repere> reperes = [] {
        std::vector<Repere> r{
            {1, {60, 650}, {130, 584}},     {2, {680, 190}, {664, 276}},    {3, {400, 670}, {420, 476}},
            {4, {640, 670}, {656, 518}},    {5, {300, 190}, {238, 272}},    {6, {440, 190}, {512, 298}},
            {7, {1330, 200}, {1285, 364}},  {8, {880, 670}, {931, 498}},    {9, {880, 330}, {942, 440}},
            {10, {960, 330}, {1013, 449}},  {11, {1010, 640}, {1048, 545}}, {12, {1010, 250}, {1040, 355}},
            {13, {1098, 640}, {1155, 440}}, {14, {1098, 560}, {1131, 452}},
        };
        for (Repere &repere : r) {
            repere.centre.ry() -= static_cast<int>(Remontee);
            repere.cible.ry() -= static_cast<int>(Remontee);
        }
        return r;
    }();
    return reperes;
}

void DessinerVuesEtau(Feuille &f)
{
    f.decaler(0, -Remontee);
    CoupeLongitudinale(f);
    CoupeTransversale(f);
}
