#include "joint_graph/GeometrieLien.h"

#include <cmath>
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

std::optional<GeometrieLien> CalculerLien(const QRect &noeud1, const QRect &noeud2)
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
    return lien;
}

QRect RectangleLien(const GeometrieLien &lien, int epaisseur)
{
    const QRect droit = QRect(lien.sortie, lien.entree).normalized();
    return droit.adjusted(-epaisseur, -epaisseur, epaisseur, epaisseur);
}

QList<QRect> MaillonsLien(const std::optional<GeometrieLien> &avant, const std::optional<GeometrieLien> &apres,
                          int marge)
{
    constexpr int Maillon = 128; // pixels of link along its main direction per rectangle
    const auto longueur = [](const std::optional<GeometrieLien> &l) {
        return l ? qMax(std::abs(l->entree.x() - l->sortie.x()), std::abs(l->entree.y() - l->sortie.y())) : 0;
    };
    const int morceaux = qMax(1, (qMax(longueur(avant), longueur(apres)) + Maillon - 1) / Maillon);
    const auto point = [morceaux](const GeometrieLien &l, int i) {
        return l.sortie + (l.entree - l.sortie) * i / morceaux;
    };
    QList<QRect> maillons;
    maillons.reserve(morceaux);
    for (int i = 0; i < morceaux; ++i) {
        QRect maillon;
        for (const auto &l : {avant, apres}) {
            if (l)
                maillon |= QRect(point(*l, i), point(*l, i + 1)).normalized();
        }
        maillons.append(maillon.adjusted(-marge, -marge, marge, marge));
    }
    return maillons;
}
