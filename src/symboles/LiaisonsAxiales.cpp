#include "symboles/DessinsLiaisons.h"
#include "symboles/VueCavaliere.h"

#include <cmath>
#include <numbers>

namespace symboles {

// Solid 1 is the housing (bore, slider, nut, tube), solid 2 what runs through it along x.

namespace {
constexpr double DemiLongueurArbre = 32;

void ArbreX(Trace &trace)
{
    trace.couleur(Solide2);
    trace.segment({-DemiLongueurArbre, 0}, {DemiLongueurArbre, 0});
}

// In space the housing is drawn over the whole shaft, then the shaft again from the housing's
// visible end, where it comes out towards the viewer.
void ArbreXEspace(Trace &trace)
{
    trace.couleur(Solide2);
    Segment3(trace, {-DemiLongueurArbre, 0, 0}, {DemiLongueurArbre, 0, 0});
}

void SortieArbreXEspace(Trace &trace, double sortie)
{
    trace.couleur(Solide2);
    Segment3(trace, {sortie, 0, 0}, {DemiLongueurArbre, 0, 0});
}
} // namespace

void DessinerEncastrement(Trace &trace, Vue vue)
{
    (void)vue; // the welded corner reads the same from every side
    trace.couleur(Solide2);
    trace.remplir({{0, 0}, {-13, 0}, {0, -13}});
    trace.segment({0, 0}, {0, -26});
    trace.couleur(Solide1);
    trace.segment({-26, 0}, {0, 0});
}

void DessinerPivot(Trace &trace, Vue vue)
{
    constexpr double demiMoyeu = 12;
    constexpr double epaulement = 17;
    switch (vue) {
    case Vue::Espace:
        ArbreXEspace(trace);
        Segment3(trace, {-epaulement, 0, -7}, {-epaulement, 0, 7});
        trace.couleur(Solide1);
        CylindreX(trace, -demiMoyeu, demiMoyeu, 9);
        SortieArbreXEspace(trace, demiMoyeu);
        Segment3(trace, {epaulement, 0, -7}, {epaulement, 0, 7});
        break;
    case Vue::Face:
    case Vue::Dessus:
        ArbreX(trace);
        trace.segment({-epaulement, -7}, {-epaulement, 7});
        trace.segment({epaulement, -7}, {epaulement, 7});
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiMoyeu, -8, demiMoyeu, 8));
        break;
    case Vue::Droite:
        trace.couleur(Solide1);
        trace.cercle({}, 13);
        trace.couleur(Solide2);
        trace.segment({-6, 0}, {6, 0});
        trace.segment({0, -6}, {0, 6});
        break;
    }
}

void DessinerGlissiere(Trace &trace, Vue vue)
{
    constexpr double demiCoulisseau = 11;
    constexpr double demiBarre = 4;
    switch (vue) {
    case Vue::Espace:
        trace.couleur(Solide2);
        Boite(trace, {-DemiLongueurArbre, -demiBarre, -demiBarre}, {DemiLongueurArbre, demiBarre, demiBarre});
        trace.couleur(Solide1);
        Boite(trace, {-demiCoulisseau, -10, -10}, {demiCoulisseau, 10, 10});
        trace.couleur(Solide2);
        Boite(trace, {demiCoulisseau, -demiBarre, -demiBarre}, {DemiLongueurArbre, demiBarre, demiBarre});
        break;
    case Vue::Face:
    case Vue::Dessus:
        trace.couleur(Solide2);
        trace.segment({-DemiLongueurArbre, -demiBarre}, {DemiLongueurArbre, -demiBarre});
        trace.segment({-DemiLongueurArbre, demiBarre}, {DemiLongueurArbre, demiBarre});
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiCoulisseau, -10, demiCoulisseau, 10));
        break;
    case Vue::Droite:
        trace.couleur(Solide1);
        trace.contour(Rectangle(-13, -13, 13, 13));
        trace.couleur(Solide2);
        trace.remplir(Rectangle(-demiBarre, -demiBarre, demiBarre, demiBarre));
        break;
    }
}

void DessinerHelicoidale(Trace &trace, Vue vue)
{
    constexpr double demiEcrou = 13;
    switch (vue) {
    case Vue::Espace: {
        constexpr double rayon = 10;
        constexpr double pas = 24;
        ArbreXEspace(trace);
        trace.couleur(Solide1);
        CylindreX(trace, -demiEcrou, demiEcrou, rayon);
        SortieArbreXEspace(trace, demiEcrou);
        // The front half turn of three threads, on the nut's visible side.
        trace.couleur(Solide2);
        for (double depart : {-7.0, 0.0, 7.0}) {
            QList<Point3> filet;
            for (double t = 120; t <= 240; t += 10) {
                const double a = t * std::numbers::pi / 180;
                filet.append({depart + pas * (t - 180) / 360, rayon * std::cos(a), rayon * std::sin(a)});
            }
            trace.polyligne(Projeter(filet));
        }
        break;
    }
    case Vue::Face:
    case Vue::Dessus:
        ArbreX(trace);
        for (double x : {-6.0, 0.0, 6.0})
            trace.segment({x - 3, -5}, {x + 3, 5});
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiEcrou, -9, demiEcrou, 9));
        break;
    case Vue::Droite: {
        trace.couleur(Solide1);
        trace.cercle({}, 14);
        trace.couleur(Solide2);
        QList<QPointF> spirale;
        for (double t = 0; t <= 450; t += 10) {
            const double a = t * std::numbers::pi / 180;
            const double r = 2.5 + 7 * t / 450;
            spirale.append({r * std::cos(a), r * std::sin(a)});
        }
        trace.polyligne(spirale);
        break;
    }
    }
}

void DessinerPivotGlissant(Trace &trace, Vue vue)
{
    constexpr double demiMoyeu = 15;
    switch (vue) {
    case Vue::Espace:
        ArbreXEspace(trace);
        trace.couleur(Solide1);
        CylindreX(trace, -demiMoyeu, demiMoyeu, 9);
        SortieArbreXEspace(trace, demiMoyeu);
        break;
    case Vue::Face:
    case Vue::Dessus:
        ArbreX(trace);
        trace.couleur(Solide1);
        trace.contour(Rectangle(-demiMoyeu, -8, demiMoyeu, 8));
        break;
    case Vue::Droite:
        trace.couleur(Solide1);
        trace.cercle({}, 13);
        trace.couleur(Solide2);
        trace.disque({}, 5);
        break;
    }
}

void DessinerLineaireAnnulaire(Trace &trace, Vue vue)
{
    constexpr double demiTube = 22;
    constexpr double rayonTube = 12;
    constexpr double rayonBoule = 9;
    switch (vue) {
    case Vue::Espace: {
        // The tube is open: its far end and the ball inside it stay visible.
        const QList<QPointF> debut = Projeter(Cercle3({-demiTube, 0, 0}, {0, 1, 0}, {0, 0, 1}, rayonTube));
        const QList<QPointF> fin = Projeter(Cercle3({demiTube, 0, 0}, {0, 1, 0}, {0, 0, 1}, rayonTube));
        QList<QPointF> tout = debut;
        tout.append(fin);
        trace.couleur(Solide1);
        Segment3(trace, {0, 0, rayonTube}, {0, 0, 28});
        trace.contour(EnveloppeConvexe(tout), Qt::RoundJoin);
        trace.polyligne(debut);
        trace.polyligne(fin);
        trace.couleur(Solide2);
        Segment3(trace, {-DemiLongueurArbre, 0, 0}, {0, 0, 0});
        Boule(trace, {}, rayonBoule);
        break;
    }
    case Vue::Face:
    case Vue::Dessus:
        trace.couleur(Solide1);
        trace.segment({-demiTube, -rayonTube}, {demiTube, -rayonTube});
        trace.segment({-demiTube, rayonTube}, {demiTube, rayonTube});
        trace.segment({0, rayonTube}, {0, 28});
        trace.couleur(Solide2);
        trace.segment({-DemiLongueurArbre, 0}, {-rayonBoule, 0});
        trace.cercle({}, rayonBoule);
        break;
    case Vue::Droite:
        trace.couleur(Solide1);
        trace.cercle({}, rayonTube + 1);
        trace.segment({0, rayonTube + 1}, {0, 28});
        trace.couleur(Solide2);
        trace.cercle({}, rayonBoule);
        trace.disque({}, 3);
        break;
    }
}

} // namespace symboles
