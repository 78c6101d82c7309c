#include "symboles/DessinsLiaisons.h"
#include "symboles/VueCavaliere.h"

#include <cmath>
#include <numbers>

namespace symboles {

// Solid 1 is the cup or the plate underneath, solid 2 the ball, plate, wedge or point on it.

namespace {
constexpr double RayonBoule = 9;
constexpr double RayonCoupelle = 16;
// The cup is open downwards, between these angles, for the ball's arm to come out.
constexpr double BordCoupelleDroit = -40;
constexpr double BordCoupelleGauche = 220;
constexpr double LongueurTige = 30;

double Degres(double radians) { return radians * 180 / std::numbers::pi; }

// The ball and its arm going down through the cup's opening.
void BouleEtBras(Trace &trace)
{
    trace.couleur(Solide2);
    trace.segment({0, -RayonBoule}, {0, -LongueurTige});
    trace.cercle({}, RayonBoule);
}

// The cup round the ball; a slit of the given half-width lets the finger through at the top.
void Coupelle(Trace &trace, double demiFente)
{
    trace.couleur(Solide1);
    if (demiFente <= 0) {
        trace.arc({}, RayonCoupelle, BordCoupelleDroit, BordCoupelleGauche);
        return;
    }
    const double ecart = Degres(std::asin(demiFente / RayonCoupelle));
    trace.arc({}, RayonCoupelle, BordCoupelleDroit, 90 - ecart);
    trace.arc({}, RayonCoupelle, 90 + ecart, BordCoupelleGauche);
    const double bas = std::sqrt(RayonCoupelle * RayonCoupelle - demiFente * demiFente);
    trace.segment({-demiFente, bas}, {-demiFente, 22});
    trace.segment({demiFente, bas}, {demiFente, 22});
}

// The cup and the ball in space: the cup is drawn as an open shell; the front half of its rim
// passes in front of the ball.
void CoupelleEtBouleEspace(Trace &trace, double demiFente)
{
    const double hauteurBord = RayonCoupelle * std::sin(BordCoupelleDroit * std::numbers::pi / 180);
    const double rayonBord = RayonCoupelle * std::cos(BordCoupelleDroit * std::numbers::pi / 180);
    const Point3 centreBord{0, 0, hauteurBord};
    Coupelle(trace, demiFente);
    trace.couleur(Solide2);
    Segment3(trace, {0, 0, -RayonBoule}, {0, 0, -LongueurTige});
    Boule(trace, {}, RayonBoule);
    trace.couleur(Solide1);
    trace.polyligne(Projeter(Cercle3(centreBord, {1, 0, 0}, {0, 1, 0}, rayonBord, 180, 360)));
}

// A plate seen edge-on at height y, with its stem going away from the contact.
void PlaqueDeChant(Trace &trace, double demiLargeur, double y, double tige)
{
    trace.segment({-demiLargeur, y}, {demiLargeur, y});
    trace.segment({0, y}, {0, tige});
}
} // namespace

void DessinerSpheriqueADoigt(Trace &trace, Vue vue)
{
    // The finger stands up from the ball in a slit of the cup: long along x, so that the ball still
    // turns about y and z, narrow along y, so that it no longer turns about x.
    constexpr double demiFenteX = 10;
    constexpr double demiFenteY = 5;
    switch (vue) {
    case Vue::Espace:
        CoupelleEtBouleEspace(trace, demiFenteX);
        Segment3(trace, {-RayonCoupelle, 0, 0}, {-LongueurTige, 0, 0});
        trace.couleur(Solide2);
        Segment3(trace, {0, 0, RayonBoule}, {0, 0, 21});
        break;
    case Vue::Face:
    case Vue::Droite:
        BouleEtBras(trace);
        trace.segment({0, RayonBoule}, {0, 21});
        Coupelle(trace, vue == Vue::Face ? demiFenteX : demiFenteY);
        trace.segment({-RayonCoupelle, 0}, {-LongueurTige, 0});
        break;
    case Vue::Dessus:
        // From above the cup hides the ball; the finger's end shows in the slit.
        trace.couleur(Solide1);
        trace.cercle({}, RayonCoupelle);
        trace.segment({-RayonCoupelle, 0}, {-LongueurTige, 0});
        trace.contour(Rectangle(-demiFenteX, -demiFenteY, demiFenteX, demiFenteY));
        trace.couleur(Solide2);
        trace.disque({}, 2.5);
        break;
    }
}

void DessinerSpherique(Trace &trace, Vue vue)
{
    if (vue == Vue::Espace) {
        CoupelleEtBouleEspace(trace, 0);
        Segment3(trace, {0, 0, RayonCoupelle}, {0, 0, LongueurTige});
        return;
    }
    // A ball in its cup looks the same from every side.
    BouleEtBras(trace);
    Coupelle(trace, 0);
    trace.segment({0, RayonCoupelle}, {0, LongueurTige});
}

void DessinerAppuiPlan(Trace &trace, Vue vue)
{
    // The lower plate is the larger one; the upper plate lies wholly on it.
    constexpr double demiX1 = 22, demiY1 = 16;
    constexpr double demiX2 = 14, demiY2 = 9;
    switch (vue) {
    case Vue::Espace:
        trace.couleur(Solide1);
        Segment3(trace, {0, 0, -3}, {0, 0, -28});
        Plaque(trace, -demiX1, demiX1, -demiY1, demiY1, -3);
        trace.couleur(Solide2);
        Plaque(trace, -demiX2, demiX2, -demiY2, demiY2, 3);
        Segment3(trace, {0, 0, 3}, {0, 0, 28});
        break;
    case Vue::Face:
    case Vue::Droite: {
        const bool face = vue == Vue::Face;
        trace.couleur(Solide1);
        PlaqueDeChant(trace, face ? demiX1 : demiY1, -3, -26);
        trace.couleur(Solide2);
        PlaqueDeChant(trace, face ? demiX2 : demiY2, 3, 26);
        break;
    }
    case Vue::Dessus:
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiX1, -demiY1, demiX1, demiY1));
        trace.couleur(Solide2);
        trace.contour(Rectangle(-demiX2, -demiY2, demiX2, demiY2));
        trace.disque({}, 3);
        break;
    }
}

void DessinerLineaireRectiligne(Trace &trace, Vue vue)
{
    // A wedge lying along x on a plate: its edge is the contact line.
    constexpr double demiPlaqueX = 24, demiPlaqueY = 18;
    constexpr double demiCoin = 13, largeurCoin = 11, hauteurCoin = 14;
    switch (vue) {
    case Vue::Espace: {
        trace.couleur(Solide1);
        Segment3(trace, {0, 0, 0}, {0, 0, -28});
        Plaque(trace, -demiPlaqueX, demiPlaqueX, -demiPlaqueY + 4, demiPlaqueY - 4, 0);
        trace.couleur(Solide2);
        QList<Point3> sommets;
        for (double x : {-demiCoin, demiCoin}) {
            sommets.append({x, 0, 2});
            sommets.append({x, -largeurCoin, hauteurCoin});
            sommets.append({x, largeurCoin, hauteurCoin});
        }
        Polyedre(trace, sommets, {{0, 1, 2}, {3, 5, 4}, {0, 3, 4, 1}, {1, 4, 5, 2}, {0, 2, 5, 3}});
        Segment3(trace, {0, 0, hauteurCoin}, {0, 0, 28});
        break;
    }
    case Vue::Face:
        trace.couleur(Solide1);
        PlaqueDeChant(trace, demiPlaqueX, -2, -26);
        trace.couleur(Solide2);
        trace.contour(Rectangle(-demiCoin, 2, demiCoin, hauteurCoin));
        trace.segment({0, hauteurCoin}, {0, 28});
        break;
    case Vue::Droite:
        trace.couleur(Solide1);
        PlaqueDeChant(trace, demiPlaqueY, -2, -26);
        trace.couleur(Solide2);
        trace.contour({{0, 3}, {-largeurCoin, hauteurCoin}, {largeurCoin, hauteurCoin}});
        trace.segment({0, hauteurCoin}, {0, 28});
        break;
    case Vue::Dessus:
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiPlaqueX, -demiPlaqueY, demiPlaqueX, demiPlaqueY));
        trace.couleur(Solide2);
        trace.contour(Rectangle(-demiCoin, -largeurCoin, demiCoin, largeurCoin));
        trace.segment({-demiCoin, 0}, {demiCoin, 0});
        break;
    }
}

void DessinerPonctuelle(Trace &trace, Vue vue)
{
    constexpr double rayon = 8;
    switch (vue) {
    case Vue::Espace:
        trace.couleur(Solide1);
        Segment3(trace, {0, 0, 0}, {0, 0, -28});
        Plaque(trace, -22, 22, -14, 14, 0);
        trace.couleur(Solide2);
        Boule(trace, {0, 0, rayon + 2}, rayon);
        Segment3(trace, {0, 0, 2 * rayon + 2}, {0, 0, LongueurTige});
        break;
    case Vue::Face:
    case Vue::Droite:
        trace.couleur(Solide1);
        PlaqueDeChant(trace, 20, -2, -26);
        trace.couleur(Solide2);
        trace.cercle({0, rayon + 2}, rayon);
        trace.segment({0, 2 * rayon + 2}, {0, LongueurTige});
        break;
    case Vue::Dessus:
        trace.couleur(Solide1);
        trace.contour(Rectangle(-20, -20, 20, 20));
        trace.couleur(Solide2);
        trace.cercle({}, rayon);
        trace.disque({}, 3);
        break;
    }
}

void DessinerSansType(Trace &trace, Vue vue)
{
    if (vue == Vue::Espace) {
        // The frame: a ground line hatched underneath, all of it the frame's class.
        trace.couleur(Solide2);
        trace.segment({-22, 0}, {22, 0});
        for (double x = -14; x <= 18; x += 8)
            trace.segment({x, -1}, {x - 6, -8});
        return;
    }
    trace.couleur(QColor::fromRgb(GrisNeutre));
    trace.contourPointille(Rectangle(-20, -20, 20, 20), 2);
}

} // namespace symboles
