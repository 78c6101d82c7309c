#include "joint_graph/GeometrieLien.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// Truncation toward zero of a value computed in doubles: a value a rounding error away from a whole
// number (20 - 20·tan(-pi) is 19.999999999999996) counts as that number.
int tronque(double valeur)
{
    constexpr double Tolerance = 1e-9;
    return static_cast<int>(std::trunc(valeur >= 0 ? valeur + Tolerance : valeur - Tolerance));
}

// The point where a line of direction theta crosses the border of the rectangle, on the side it
// leaves by (sens +1) or the side it comes in by (sens -1).
QPoint pointDeBord(const QRect &r, double theta, int sens)
{
    const double l = r.x();
    const double t = r.y();
    const double w = r.width();
    const double h = r.height();
    const double alpha = std::atan2(h, w);
    const double pente = std::tan(Pi / 2 - std::abs(theta));
    const bool versLeBas = alpha < theta && theta < Pi - alpha;
    const bool versLeHaut = alpha - Pi < theta && theta < -alpha;
    if (versLeBas || versLeHaut) {
        // The line crosses the bottom (leaving downwards, entering from above) or the top.
        const bool basDuNoeud = versLeBas == (sens > 0);
        return {tronque(l + w / 2 + sens * (h / 2) * pente), basDuNoeud ? r.y() + r.height() : r.y()};
    }
    const bool droiteDuNoeud = (std::abs(theta) < Pi / 2) == (sens > 0);
    const double y = droiteDuNoeud ? t + h / 2 + (w / 2) * std::tan(theta) : t + h / 2 - (w / 2) * std::tan(theta);
    return {droiteDuNoeud ? r.x() + r.width() : r.x(), tronque(y)};
}

} // namespace

std::optional<GeometrieLien> CalculerLien(const QRect &noeud1, const QRect &noeud2, int decalage)
{
    const int cx1 = noeud1.x() + noeud1.width() / 2;
    const int cy1 = noeud1.y() + noeud1.height() / 2;
    const int cx2 = noeud2.x() + noeud2.width() / 2;
    const int cy2 = noeud2.y() + noeud2.height() / 2;
    const double dx = cx2 - cx1;
    const double dy = cy2 - cy1;
    const double d = std::hypot(dx, dy);
    if (d == 0)
        return std::nullopt;
    const double theta = dy > 0 ? std::acos(dx / d) : -std::acos(dx / d);

    GeometrieLien lien;
    lien.direction = theta;
    lien.sortie = pointDeBord(noeud1, theta, +1);
    lien.entree = pointDeBord(noeud2, theta, -1);
    lien.milieu = {(lien.sortie.x() + lien.entree.x()) / 2, (lien.sortie.y() + lien.entree.y()) / 2};
    if (decalage == 0)
        return lien;

    // Across the link, towards the bottom, or the right when the link is upright.
    double nx = -std::sin(theta);
    double ny = std::cos(theta);
    constexpr double Tolerance = 1e-9;
    if (std::abs(ny) > Tolerance ? ny < 0 : nx < 0) {
        nx = -nx;
        ny = -ny;
    }
    lien.milieu += QPoint(qRound(nx * decalage), qRound(ny * decalage));
    const auto versLeMilieu = [&lien, theta](int x, int y, int sens) {
        const double mx = (lien.milieu.x() - x) * sens;
        const double my = (lien.milieu.y() - y) * sens;
        return mx == 0 && my == 0 ? theta : std::atan2(my, mx);
    };
    lien.sortie = pointDeBord(noeud1, versLeMilieu(cx1, cy1, +1), +1);
    lien.entree = pointDeBord(noeud2, versLeMilieu(cx2, cy2, -1), -1);
    return lien;
}

int PasEntreLiens(double direction, QSize symbole, int ecart)
{
    // Two rectangles of that size stand apart when they are apart along one of the axes.
    const double travers[] = {std::abs(std::sin(direction)), std::abs(std::cos(direction))};
    const int cotes[] = {symbole.width() + ecart, symbole.height() + ecart};
    double pas = std::numeric_limits<double>::max();
    for (int i = 0; i < 2; ++i) {
        if (travers[i] > 1e-9)
            pas = std::min(pas, cotes[i] / travers[i]);
    }
    return int(std::ceil(pas - 1e-9));
}

QRect RectangleLien(const GeometrieLien &lien, int epaisseur)
{
    const QRect couvert = QRect(lien.sortie, lien.entree).normalized() | QRect(lien.milieu, QSize(1, 1));
    return couvert.adjusted(-epaisseur, -epaisseur, epaisseur, epaisseur);
}

QList<QRect> MaillonsLien(const std::optional<GeometrieLien> &avant, const std::optional<GeometrieLien> &apres,
                          int marge)
{
    constexpr int Maillon = 128; // pixels of link along its main direction per rectangle
    // Each half, from its node to the middle, in pieces of the same count before and after.
    const auto bout = [](const GeometrieLien &l, int moitie) { return moitie == 0 ? l.sortie : l.entree; };
    const auto longueur = [&bout](const std::optional<GeometrieLien> &l, int moitie) {
        if (!l)
            return 0;
        const QPoint d = l->milieu - bout(*l, moitie);
        return qMax(std::abs(d.x()), std::abs(d.y()));
    };
    QList<QRect> maillons;
    for (int moitie = 0; moitie < 2; ++moitie) {
        const int plusLongue = qMax(longueur(avant, moitie), longueur(apres, moitie));
        const int morceaux = qMax(1, (plusLongue + Maillon - 1) / Maillon);
        const auto point = [&bout, moitie, morceaux](const GeometrieLien &l, int i) {
            return bout(l, moitie) + (l.milieu - bout(l, moitie)) * i / morceaux;
        };
        for (int i = 0; i < morceaux; ++i) {
            QRect maillon;
            for (const auto &l : {avant, apres}) {
                if (l)
                    maillon |= QRect(point(*l, i), point(*l, i + 1)).normalized();
            }
            maillons.append(maillon.adjusted(-marge, -marge, marge, marge));
        }
    }
    return maillons;
}
