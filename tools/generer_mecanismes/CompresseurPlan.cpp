#include "CompresseurPlan.h"

#include "Planche.h"

namespace {

// Every dimension below is in millimetres of the real part, from the point where the cylinder's axis
// meets the crankshaft's, y downwards; P and R turn them into units of the drawing area at 1:1.
constexpr double LargeurFeuilleMm = 420;
constexpr double U = ZoneDessinCompresseur.width() / LargeurFeuilleMm;
constexpr double X0 = 510; // the cylinder's axis on the sheet
constexpr double Y0 = 640; // the crankshaft's axis on the sheet

QPointF P(double x, double y) { return {X0 + x * U, Y0 + y * U}; }

QPainterPath R(double x1, double y1, double x2, double y2)
{
    QPainterPath chemin;
    chemin.addRect(QRectF(P(x1, y1), P(x2, y2)).normalized());
    return chemin;
}

// A solid of revolution about the crankshaft's axis: its upper half and the mirror image below.
QPainterPath Revolution(const QPainterPath &moitieHaute)
{
    return moitieHaute.united(QTransform(1, 0, 0, -1, 0, 2 * Y0).map(moitieHaute));
}

// Deep groove ball bearing 6205: d 25, D 52, B 15, nine balls of 7.94 on a pitch diameter of 38.5.
constexpr double BagueInterieure = 16; // outer radius of the inner ring
constexpr double BagueExterieure = 22.7;
constexpr double RayonPrimitif = 19.25;
constexpr double RayonBille = 3.97;
// Each bearing lies from 37 to 52 mm on its side of the cylinder's axis.
constexpr double RoulementDedans = 37;
constexpr double RoulementDehors = 52;
// Shaft circlip 25 × 1.2 in its groove, against the inner ring.
constexpr double EpaisseurAnneau = 1.2;
constexpr double FondGorgeAnneau = 11.95;
constexpr double HauteurAnneau = 15.5;

// s = -1 on the left, +1 on the pulley's side.
double X(int s, double x) { return s * x; }

// The long screws M8 of the head, through the cylinder into the crankcase's walls.
constexpr double AxeVisCulasse = 40;

// Each cover has three screws M6 at 120°; the lowest lies in the section plane, 35 mm under the shaft's
// axis, and the top of the wall is left to the head's screws.
constexpr double VisCouvercle = 35;
constexpr double FaceCouvercle = 62;

// Tapped hole M6 in the wall: the screw fills it down to its tip at 46 mm, then the thread's root and the
// drill's point.
QPainterPath TaraudageCouvercle(int s, double y)
{
    return R(X(s, 46), y - 3, X(s, 54), y + 3)
        .united(R(X(s, 44), y - 2.45, X(s, 46), y + 2.45))
        .united(Polygone({P(X(s, 44), y - 2.45), P(X(s, 44), y + 2.45), P(X(s, 42.5), y)}));
}

void Carter(Feuille &f)
{
    QPainter &p = f.trait();
    QPainterPath carter = R(-54, -53, 54, 56).subtracted(R(-32, -45, 32, 48)).subtracted(R(-27, -53, 27, -45));
    for (const int s : {-1, 1}) {
        // Bore of the outer ring, and the shoulder it is pushed against.
        carter = carter.subtracted(R(X(s, RoulementDedans), -26, X(s, 54), 26));
        carter = carter.subtracted(R(X(s, 32), -22, X(s, RoulementDedans), 22));
        carter = carter.subtracted(TaraudageCouvercle(s, VisCouvercle));
        // Tapped hole of the head's screw: filled by the screw down to its tip at -41, then root and drill point.
        const double xv = X(s, AxeVisCulasse);
        carter = carter.subtracted(R(xv - 4, -53, xv + 4, -41))
                     .subtracted(R(xv - 3.4, -41, xv + 3.4, -37))
                     .subtracted(Polygone({P(xv - 3.4, -37), P(xv + 3.4, -37), P(xv, -35)}));
    }
    f.zone(1, CarterCompresseur);
    f.coupee(carter, 45, 10);
    for (const int s : {-1, 1}) {
        const double xv = X(s, AxeVisCulasse);
        p.setPen(TraitFin());
        p.drawLine(P(xv - 4, -41), P(xv - 4, -37));
        p.drawLine(P(xv + 4, -41), P(xv + 4, -37));
        p.setPen(TraitFort());
        p.drawLine(P(xv - 4, -37), P(xv + 4, -37));
        const double y = VisCouvercle;
        p.setPen(TraitFin());
        p.drawLine(P(X(s, 44), y - 3), P(X(s, 46), y - 3));
        p.drawLine(P(X(s, 44), y + 3), P(X(s, 46), y + 3));
        p.setPen(TraitFort());
        p.drawLine(P(X(s, 44), y - 3), P(X(s, 44), y + 3));
    }
}

// The cover centres itself in the bore and bears on the outer ring alone; the shaft turns free inside.
void Couvercle(Feuille &f, int s)
{
    QPainterPath couvercle = R(X(s, 54), -42, X(s, 62), 42).united(R(X(s, RoulementDehors), -26, X(s, 54), 26));
    couvercle = couvercle.subtracted(R(X(s, RoulementDehors), -22.5, X(s, 54), 22.5));
    // The left one closes the housing over the shaft's end; the right one lets the shaft out.
    couvercle = couvercle.subtracted(s < 0 ? R(-58, -19, -54, 19) : R(54, -15.5, 62, 15.5));
    couvercle = couvercle.subtracted(R(X(s, 54), VisCouvercle - 3.5, X(s, FaceCouvercle), VisCouvercle + 3.5));
    f.zone(14, CarterCompresseur);
    f.coupee(couvercle, 135, 6);
    f.zone(16, CarterCompresseur);
    DessinerVisCHc(f, P(X(s, FaceCouvercle + 6), VisCouvercle), s < 0 ? 0 : 180,
                   VisCHc{6 * U, 10 * U, 6 * U, 16 * U, 12 * U});
}

// Rolling elements are never cut: the balls are drawn whole, with the outer ring.
void Roulement(Feuille &f, int s)
{
    const double x1 = X(s, RoulementDedans);
    const double x2 = X(s, RoulementDehors);
    const double xBille = (x1 + x2) / 2;
    QPainterPath billes;
    for (const double y : {-RayonPrimitif, RayonPrimitif})
        billes.addEllipse(P(xBille, y), RayonBille * U, RayonBille * U);
    f.zone(5, CarterCompresseur);
    f.coupee(Revolution(R(x1, -26, x2, -BagueExterieure)).subtracted(billes), 45, 3);
    f.vue(billes);
    f.zone(5, VilebrequinCompresseur);
    f.coupee(Revolution(R(x1, -BagueInterieure, x2, -12.5)).subtracted(billes), 45, 3);
}

QPainterPath GorgeAnneau(int s)
{
    return Revolution(R(X(s, RoulementDehors), -12.5, X(s, RoulementDehors + EpaisseurAnneau + 0.1), -FondGorgeAnneau));
}

void Vilebrequin(Feuille &f)
{
    QPainter &p = f.trait();
    // Built up, so that the connecting rod's big end can be one piece: two half-crankshafts, each a journal
    // and a web, pressed on the crank pin.
    const QPainterPath gauche = R(-56, -12.5, -RoulementDedans, 12.5)
                                    .united(R(-RoulementDedans, -15, -24, 15)) // shoulder of the inner ring
                                    .united(R(-24, -36, -12, 24))
                                    .subtracted(GorgeAnneau(-1));
    const QPainterPath droite =
        R(12, -36, 24, 24)
            .united(R(24, -15, RoulementDedans, 15))
            .united(R(RoulementDedans, -12.5, 66, 12.5))
            .united(R(66, -10, 94, 10)) // seat of the pulley, and the shoulder it bears on
            .united(Polygone({P(94, -8), P(112, -8), P(113, -7), P(113, 7), P(112, 8), P(94, 8)}))
            .subtracted(GorgeAnneau(1));
    for (const QPainterPath &moitie : {gauche, droite}) {
        f.zone(4, VilebrequinCompresseur);
        f.vue(moitie);
    }
    f.zone(17, VilebrequinCompresseur);
    f.vue(R(-12, -30, 12, -10));
    p.setPen(TraitCache());
    for (const int s : {-1, 1})
        for (const double y : {-30.0, -10.0})
            p.drawLine(P(X(s, 12), y), P(X(s, 24), y));
    // Thread M16 out of the nut.
    p.setPen(TraitFin());
    for (const double y : {-6.8, 6.8})
        p.drawLine(P(110.8, y), P(113, y));

    for (const int s : {-1, 1}) {
        const double x1 = X(s, RoulementDehors);
        const double x2 = X(s, RoulementDehors + EpaisseurAnneau);
        const QPainterPath anneau = Revolution(R(x1, -HauteurAnneau, x2, -FondGorgeAnneau));
        f.zone(15, VilebrequinCompresseur);
        // Too thin to hatch: black on the drawing, a zone of its own on the maps.
        if (f.calque() == Calque::Plan)
            p.fillPath(anneau, Qt::black);
        else
            f.vue(anneau);
    }
}

// V-belt pulley, its hub against the shoulder at 66, keyed and clamped by the nut.
void Poulie(Feuille &f)
{
    QPainter &p = f.trait();
    const QPainterPath moitie = R(66, -20, 96, -10)
                                    .united(R(76, -33, 86, -20))
                                    .united(R(70, -50, 92, -33))
                                    .subtracted(Polygone({P(74.17, -51), P(87.83, -51), P(83.7, -39), P(78.3, -39)}));
    f.zone(10, VilebrequinCompresseur);
    f.coupee(Revolution(moitie).subtracted(R(66, -12.8, 96, -10)), 135, 8);

    f.zone(11, VilebrequinCompresseur);
    f.vue(R(68, -12.8, 93, -6.5));

    // Hexagon nut seen across its corners: three faces.
    f.zone(12, VilebrequinCompresseur);
    f.vue(
        Polygone({P(96, -13.86), P(109.3, -13.86), P(110.8, -12.36), P(110.8, 12.36), P(109.3, 13.86), P(96, 13.86)}));
    p.setPen(TraitFort());
    for (const double y : {-6.93, 6.93})
        p.drawLine(P(96, y), P(110.8, y));
}

void Cylindre(Feuille &f)
{
    QPainterPath cylindre;
    for (const int s : {-1, 1}) {
        // The section goes through the bosses of the long screws; the fins stand out beyond them.
        cylindre = cylindre.united(R(X(s, 25), -117, X(s, 48), -53));
        for (const double y : {-111.0, -104.0, -97.0, -90.0, -83.0, -76.0, -69.0})
            cylindre = cylindre.united(R(X(s, 48), y, X(s, 56), y + 3));
        cylindre = cylindre.subtracted(R(X(s, AxeVisCulasse - 4.5), -117, X(s, AxeVisCulasse + 4.5), -53));
    }
    f.zone(2, CarterCompresseur);
    f.coupee(cylindre, 135, 8);
}

// One casting; its long screws clamp it and the cylinder on the crankcase. The valves lie outside the
// section plane.
void Culasse(Feuille &f)
{
    QPainterPath culasse = R(-50, -131, 50, -117);
    for (const int s : {-1, 1}) {
        culasse = culasse.subtracted(R(X(s, AxeVisCulasse - 4.5), -131, X(s, AxeVisCulasse + 4.5), -117));
        culasse = culasse.subtracted(R(X(s, 8), -125, X(s, 22), -117)); // suction and delivery chambers
    }
    f.zone(3, CarterCompresseur);
    f.coupee(culasse, 45, 8);
    for (const int s : {-1, 1}) {
        f.zone(13, CarterCompresseur);
        DessinerVisCHc(f, P(X(s, AxeVisCulasse), -139), 90, VisCHc{8 * U, 13 * U, 8 * U, 90 * U, 28 * U});
    }
}

// Piston at top dead centre: crown, skirt, the pin's bosses and two ring grooves.
void Piston(Feuille &f)
{
    // The bosses hang from the crown; the pin's bore goes through them and the skirt.
    QPainterPath piston = R(-25, -115, 25, -70)
                              .subtracted(R(-20, -107, 20, -70))
                              .united(R(-20, -107, -9.5, -84))
                              .united(R(9.5, -107, 20, -84))
                              .subtracted(R(-25, -102, 25, -88));
    QPainterPath segments;
    for (const int s : {-1, 1}) {
        for (const double y : {-112.0, -106.5}) {
            piston = piston.subtracted(R(X(s, 22), y, X(s, 25), y + 2));
            segments = segments.united(R(X(s, 22.2), y, X(s, 25), y + 2));
        }
    }
    f.zone(7, PistonCompresseur);
    f.coupee(piston, 45, 6);
    f.zone(9, PistonCompresseur);
    f.coupee(segments, 135, 3);

    f.zone(6, BielleCompresseur);
    f.coupee(R(-9, -106, 9, -102)
                 .united(R(-9, -88, 9, -84))
                 .united(R(-6, -84, 6, -35))
                 .united(R(-11, -35, 11, -30))
                 .united(R(-11, -10, 11, -5)),
             135, 5);
    f.zone(8, AxeCompresseur);
    f.vue(R(-21.5, -102, 21.5, -88));
}

} // namespace

void DessinerVuesCompresseur(Feuille &f)
{
    Carter(f);
    for (const int s : {-1, 1}) {
        Couvercle(f, s);
        Roulement(f, s);
    }
    Vilebrequin(f);
    Poulie(f);
    Cylindre(f);
    Culasse(f);
    Piston(f);

    QPainter &p = f.trait();
    LigneAxe(p, P(-66, 0), P(118, 0));
    LigneAxe(p, P(0, -145), P(0, 5));
    LigneAxe(p, P(-16, -20), P(16, -20));
    LigneAxe(p, P(-27, -95), P(27, -95));
    for (const int s : {-1, 1})
        LigneAxe(p, P(X(s, AxeVisCulasse), -144), P(X(s, AxeVisCulasse), -33));
    Texte(p, QRectF(P(20, 74), QSizeF(360, 30)), 20, true, QStringLiteral("COUPE PAR LES AXES"));
}

// Bubbles and targets in millimetres like the views; the bubbles stand in columns outside the view, each
// column in the order of its targets so that no two leaders cross.
std::vector<Repere> ReperesCompresseur()
{
    const auto r = [](int n, double bx, double by, double cx, double cy) {
        return Repere{n, P(bx, by).toPoint(), P(cx, cy).toPoint()};
    };
    return {r(1, -85, 55, -43, 45),     r(2, -85, -75, -52, -74.5), r(3, -25, -160, -27, -127), r(4, -20, 80, -18, 16),
            r(5, -85, 22, -44, 24.3),   r(6, -85, -55, -4, -45),    r(7, 90, -84, 22.5, -78),   r(8, 90, -106, 16, -95),
            r(9, 90, -128, 23.6, -111), r(10, 125, -62, 90, -42),   r(11, 80, -70, 80, -9.5),   r(12, 130, 20, 104, 5),
            r(13, 70, -160, 43, -136),  r(14, -85, -28, -60, -26),  r(15, -85, 5, -52.6, 13.7), r(16, -85, 38, -66, 35),
            r(17, 0, 80, -7, -16)};
}
