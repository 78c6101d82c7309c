#include "PlanEtau.h"

#include "PiecesEtau.h"

#include <algorithm>

namespace {

constexpr double AxeVis = 470;        // axis of the lead screw in both views
constexpr double CentreCoupeB = 1250; // plane of symmetry in the cross section
constexpr double PlanCoupeB = 620;    // where the cross section cuts the longitudinal view

const VisCHc VisMachoire{12, 20, 12, 40, 24};
const VisCHc VisEcrou{12, 20, 12, 60, 30};

void Texte(QPainter &p, const QRectF &boite, int taille, bool gras, const QString &texte,
           Qt::Alignment alignement = Qt::AlignCenter)
{
    p.save();
    p.setFont(PoliceDessin(taille, gras));
    p.setPen(Qt::black);
    p.drawText(boite, alignement, texte);
    p.restore();
}

// Trace of a section plane: thick ends outside the view, arrows showing where one looks from.
void TraceCoupe(QPainter &p, double x, double haut, double bas, double sens, const QString &lettre)
{
    p.save();
    p.setPen(TraitFort());
    p.drawLine(QPointF(x, haut - 22), QPointF(x, haut));
    p.drawLine(QPointF(x, bas), QPointF(x, bas + 22));
    Fleche(p, QPointF(x, haut - 18), QPointF(x + sens * 28, haut - 18));
    Fleche(p, QPointF(x, bas + 18), QPointF(x + sens * 28, bas + 18));
    const double xl = x + sens * 30 + (sens < 0 ? -16 : 2);
    Texte(p, QRectF(xl, haut - 44, 14, 20), 16, true, lettre);
    Texte(p, QRectF(xl, bas + 24, 14, 20), 16, true, lettre);
    p.restore();
}

void CoupeLongitudinale(QPainter &p)
{
    // Visible top edge of the slideways, behind the section plane.
    p.setPen(TraitFort());
    p.drawLine(QPointF(250, 400), QPointF(960, 400));

    // 1 Corps: fixed jaw, channel floor and end wall with the bearing of the screw.
    QPainterPath corps = Polygone({{106, 260}, {226, 260}, {226, 336}, {250, 336}, {250, 560}, {960, 560},
                                   {960, 400}, {1010, 400}, {1010, 600}, {930, 600}, {930, 590}, {180, 590},
                                   {180, 600}, {100, 600}, {100, 266}});
    corps = corps.subtracted(Rectangle(960, 455, 1010, 485));
    corps = corps.subtracted(Rectangle(190, 292, 226, 304));
    PieceCoupee(p, corps, 45, 10);

    // 4 Écrou, under the mobile jaw.
    PieceCoupee(p, Rectangle(560, 400, 680, 535).subtracted(Rectangle(560, 450, 680, 490)), 45, 5);

    // 2 Mors mobile.
    const QPainterPath mors = Polygone({{529, 260}, {694, 260}, {700, 266}, {700, 400}, {505, 400}, {505, 336}, {529, 336}})
                                  .subtracted(Rectangle(529, 292, 564, 304));
    PieceCoupee(p, mors, 135, 10);

    // 5 Mâchoires, each held on its jaw by 6 screws put in from the clamping face.
    const QPainterPath logementFixe = Rectangle(236, 287, 250, 309).united(Rectangle(226, 291, 236, 305));
    const QPainterPath logementMobile = Rectangle(505, 287, 519, 309).united(Rectangle(519, 291, 529, 305));
    PieceCoupee(p, Rectangle(226, 262, 250, 334).subtracted(logementFixe), 135, 5);
    PieceCoupee(p, Rectangle(505, 262, 529, 334).subtracted(logementMobile), 45, 5);
    DessinerVisCHc(p, QPointF(249, 298), 180, VisMachoire);
    DessinerVisCHc(p, QPointF(506, 298), 0, VisMachoire);

    // 3 Vis de manœuvre: threaded part, journal in the end wall, head.
    const QPainterPath vis = Polygone({{281, 450}, {880, 450}, {880, 490}, {281, 490}, {275, 484}, {275, 456}})
                                 .united(Rectangle(880, 455, 1018, 485))
                                 .united(Polygone({{1018, 442}, {1072, 442}, {1078, 448}, {1078, 492}, {1072, 498},
                                                   {1018, 498}}));
    PieceVue(p, vis);
    p.setPen(TraitFin());
    p.drawLine(QPointF(275, 454), QPointF(880, 454));
    p.drawLine(QPointF(275, 486), QPointF(880, 486));
    p.setPen(TraitFort());
    p.drawLine(QPointF(880, 450), QPointF(880, 490));

    // 8 Bague d'arrêt pinned on the journal by 9, 10 Rondelle under the head.
    const QPainterPath goupille = Rectangle(937, 436, 947, 504);
    PieceCoupee(p, Rectangle(926, 436, 958, 504).subtracted(Rectangle(926, 455, 958, 485)).subtracted(goupille), 135, 5);
    PieceVue(p, goupille);
    SectionNoire(p, Rectangle(1010, 446, 1018, 455));
    SectionNoire(p, Rectangle(1010, 485, 1018, 494));

    // 11 Levier through the head of the screw, 12 its two ends.
    PieceVue(p, Rectangle(1040, 372, 1056, 568));
    PieceVue(p, Disque(QPointF(1048, 360), 14));
    PieceVue(p, Disque(QPointF(1048, 580), 14));

    LigneAxe(p, QPointF(262, AxeVis), QPointF(1094, AxeVis));
    LigneAxe(p, QPointF(1048, 334), QPointF(1048, 606));
    LigneAxe(p, QPointF(942, 426), QPointF(942, 514));
    LigneAxe(p, QPointF(182, 298), QPointF(258, 298));
    LigneAxe(p, QPointF(497, 298), QPointF(572, 298));

    TraceCoupe(p, PlanCoupeB, 250, 610, -1, QStringLiteral("B"));
    Texte(p, QRectF(400, 725, 320, 30), 20, true, QStringLiteral("COUPE A-A"));
}

void CoupeTransversale(QPainter &p)
{
    const double c = CentreCoupeB;

    // 1 Corps: slideways and floor of the channel.
    PieceCoupee(p,
                Polygone({{c - 105, 400}, {c - 60, 400}, {c - 60, 560}, {c + 60, 560}, {c + 60, 400}, {c + 105, 400},
                          {c + 105, 430}, {c + 85, 430}, {c + 85, 560}, {c + 105, 560}, {c + 105, 600},
                          {c - 105, 600}, {c - 105, 560}, {c - 85, 560}, {c - 85, 430}, {c - 105, 430}}),
                45, 10);

    // 13 Plaques de guidage under the skirts of the mobile jaw.
    PieceCoupee(p, Rectangle(c - 125, 432, c - 88, 446), 45, 4);
    PieceCoupee(p, Rectangle(c + 88, 432, c + 125, 446), 45, 4);

    // 2 Mors mobile with the counterbores of the nut screws.
    QPainterPath mors = Polygone({{c - 125, 266}, {c - 119, 260}, {c + 119, 260}, {c + 125, 266}, {c + 125, 432},
                                  {c + 107, 432}, {c + 107, 400}, {c - 107, 400}, {c - 107, 432}, {c - 125, 432}});
    for (const double x : {c - 35, c + 35}) {
        mors = mors.subtracted(Rectangle(x - 11, 260, x + 11, 370));
        mors = mors.subtracted(Rectangle(x - 7, 370, x + 7, 400));
    }
    PieceCoupee(p, mors, 135, 10);

    // 4 Écrou around the screw, 3 Vis de manœuvre cut across.
    QPainterPath ecrou = Rectangle(c - 50, 400, c + 50, 535).subtracted(Disque(QPointF(c, AxeVis), 20));
    for (const double x : {c - 35, c + 35})
        ecrou = ecrou.subtracted(Rectangle(x - 6, 400, x + 6, 434));
    PieceCoupee(p, ecrou, 45, 5);
    PieceCoupee(p, Disque(QPointF(c, AxeVis), 20), 135, 5);
    p.setPen(TraitFin());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c - 16, AxeVis - 16, 32, 32), 0, 270 * 16);

    // 7 Vis holding the nut under the mobile jaw.
    for (const double x : {c - 35, c + 35})
        DessinerVisCHc(p, QPointF(x, 358), 90, VisEcrou);

    LigneAxe(p, QPointF(c, 252), QPointF(c, 606));
    LigneAxe(p, QPointF(c - 28, AxeVis), QPointF(c + 28, AxeVis));
    for (const double x : {c - 35, c + 35})
        LigneAxe(p, QPointF(x, 350), QPointF(x, 442));

    TraceCoupe(p, c, 250, 610, 1, QStringLiteral("A"));
    Texte(p, QRectF(c - 110, 664, 220, 30), 20, true, QStringLiteral("COUPE B-B"));
}

// European projection symbol: the cone seen from the side and from its end.
void SymboleProjection(QPainter &p, QPointF centre)
{
    p.save();
    p.setPen(TraitFin());
    p.setBrush(Qt::NoBrush);
    const double x = centre.x();
    const double y = centre.y();
    p.drawPolygon(QPolygonF({QPointF(x - 30, y - 7), QPointF(x - 6, y - 13), QPointF(x - 6, y + 13),
                             QPointF(x - 30, y + 7)}));
    p.drawEllipse(QPointF(x + 18, y), 13, 13);
    p.drawEllipse(QPointF(x + 18, y), 7, 7);
    p.restore();
}

void Cartouche(QPainter &p)
{
    const QRectF cadre(990, 770, 400, 120);
    p.save();
    p.fillRect(cadre, Qt::white);
    p.setPen(TraitFort());
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre);
    p.drawLine(QPointF(990, 830), QPointF(1390, 830));
    p.setPen(TraitFin());
    for (const double x : {1100.0, 1200.0, 1290.0})
        p.drawLine(QPointF(x, 830), QPointF(x, 890));
    p.restore();
    Texte(p, QRectF(990, 772, 400, 36), 26, true, QStringLiteral("Étau de serrage"));
    Texte(p, QRectF(990, 806, 400, 22), 13, false, QStringLiteral("Dessin d'ensemble"));
    Texte(p, QRectF(994, 834, 102, 18), 11, false, QStringLiteral("Échelle"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(990, 852, 110, 34), 18, true, QStringLiteral("1:2"));
    SymboleProjection(p, QPointF(1150, 860));
    Texte(p, QRectF(1204, 834, 82, 18), 11, false, QStringLiteral("Format"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(1200, 852, 90, 34), 18, true, QStringLiteral("A3"));
    Texte(p, QRectF(1294, 834, 92, 18), 11, false, QStringLiteral("Velkora"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(1290, 852, 100, 34), 18, true, QStringLiteral("ET-01"));
}

void Cadre(QPainter &p)
{
    p.save();
    p.setPen(TraitFort());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(12, 12, 1376, 876));
    // Centring marks in the middle of each side.
    p.drawLine(QPointF(700, 2), QPointF(700, 12));
    p.drawLine(QPointF(700, 888), QPointF(700, 898));
    p.drawLine(QPointF(2, 450), QPointF(12, 450));
    p.drawLine(QPointF(1388, 450), QPointF(1398, 450));
    p.restore();
}

} // namespace

const std::vector<Repere> &ReperesEtau()
{
    static const std::vector<Repere> reperes{
        {1, {60, 650}, {130, 584}},     {2, {680, 190}, {664, 276}},    {3, {400, 670}, {420, 476}},
        {4, {640, 670}, {656, 518}},    {5, {300, 190}, {238, 272}},    {6, {440, 190}, {512, 298}},
        {7, {1330, 200}, {1285, 364}},  {8, {880, 670}, {931, 498}},    {9, {880, 330}, {942, 440}},
        {10, {960, 330}, {1013, 449}},  {11, {1080, 690}, {1050, 545}}, {12, {1010, 250}, {1040, 355}},
        {13, {1135, 700}, {1134, 446}},
    };
    return reperes;
}

void DessinerPlanEtau(QPainter &p, Calque calque)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), TaillePlanEtau), Qt::white);
    if (calque == Calque::Plan) {
        Cadre(p);
        CoupeLongitudinale(p);
        CoupeTransversale(p);
        Cartouche(p);
    }
    const auto &pieces = PiecesEtau();
    for (const Repere &repere : ReperesEtau()) {
        const auto piece = std::find_if(pieces.begin(), pieces.end(),
                                        [&](const PieceEtau &x) { return x.repere == repere.numero; });
        DessinerRepere(p, repere, calque, piece == pieces.end() ? QColor(Qt::white) : CouleurVersQColor(piece->couleurCle));
    }
    p.restore();
}
