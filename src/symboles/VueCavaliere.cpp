#include "symboles/VueCavaliere.h"

#include <cmath>
#include <numbers>

namespace symboles {

namespace {
constexpr double Fuite = 0.5 * std::numbers::sqrt2 / 2; // depth drawn at 45°, halved

// Direction towards the viewer: every point moved along it projects on the same place.
constexpr Point3 VersObservateur{Fuite, -1, Fuite};

Point3 Moins(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

double Scalaire(Point3 a, Point3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Point3 Barycentre(const QList<Point3> &points)
{
    Point3 somme;
    for (const Point3 &p : points)
        somme = {somme.x + p.x, somme.y + p.y, somme.z + p.z};
    const double n = double(points.size());
    return {somme.x / n, somme.y / n, somme.z / n};
}

// Normal of a plane polygon by Newell's method; its direction follows the order of the corners.
Point3 Normale(const QList<Point3> &coins)
{
    Point3 n;
    for (qsizetype i = 0; i < coins.size(); ++i) {
        const Point3 a = coins[i];
        const Point3 b = coins[(i + 1) % coins.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}
} // namespace

QPointF Projeter(Point3 p) { return {p.x + Fuite * p.y, p.z + Fuite * p.y}; }

QList<QPointF> Projeter(const QList<Point3> &points)
{
    QList<QPointF> projetes;
    projetes.reserve(points.size());
    for (const Point3 &p : points)
        projetes.append(Projeter(p));
    return projetes;
}

void Segment3(Trace &trace, Point3 a, Point3 b) { trace.segment(Projeter(a), Projeter(b)); }

QList<Point3> Cercle3(Point3 centre, Point3 u, Point3 v, double rayon, double debut, double fin)
{
    QList<Point3> points;
    for (const QPointF &p : PointsArc({}, rayon, debut, fin))
        points.append({centre.x + p.x() * u.x + p.y() * v.x, centre.y + p.x() * u.y + p.y() * v.y,
                       centre.z + p.x() * u.z + p.y() * v.z});
    return points;
}

void Polyedre(Trace &trace, const QList<Point3> &sommets, const QList<QList<int>> &faces)
{
    const Point3 milieu = Barycentre(sommets);
    for (const QList<int> &face : faces) {
        QList<Point3> coins;
        for (int i : face)
            coins.append(sommets[i]);
        const Point3 normale = Normale(coins);
        // Outward whatever the order of the corners: the solid's middle lies behind the face.
        const double sens = Scalaire(normale, Moins(Barycentre(coins), milieu)) < 0 ? -1 : 1;
        if (sens * Scalaire(normale, VersObservateur) <= 1e-9)
            continue;
        const QList<QPointF> polygone = Projeter(coins);
        trace.masquer(polygone);
        trace.contour(polygone, Qt::RoundJoin);
    }
}

void Boite(Trace &trace, Point3 min, Point3 max)
{
    QList<Point3> sommets;
    for (int i = 0; i < 8; ++i)
        sommets.append({i & 1 ? max.x : min.x, i & 2 ? max.y : min.y, i & 4 ? max.z : min.z});
    Polyedre(trace, sommets, {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}});
}

void CylindreX(Trace &trace, double x0, double x1, double rayon)
{
    const QList<QPointF> fin = Projeter(Cercle3({x1, 0, 0}, {0, 1, 0}, {0, 0, 1}, rayon));
    QList<QPointF> tout = Projeter(Cercle3({x0, 0, 0}, {0, 1, 0}, {0, 0, 1}, rayon));
    tout.append(fin);
    const QList<QPointF> enveloppe = EnveloppeConvexe(tout);
    trace.masquer(enveloppe);
    trace.contour(enveloppe, Qt::RoundJoin);
    trace.polyligne(fin);
}

void Boule(Trace &trace, Point3 centre, double rayon)
{
    const QPointF c = Projeter(centre);
    trace.masquer(PointsArc(c, rayon, 0, 360));
    trace.cercle(c, rayon);
}

void Plaque(Trace &trace, double x0, double x1, double y0, double y1, double z)
{
    const QList<QPointF> coins = Projeter(QList<Point3>{{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
    trace.masquer(coins);
    trace.contour(coins, Qt::RoundJoin);
}

} // namespace symboles
