#pragma once

#include "symboles/Trace.h"

#include <QList>
#include <QPointF>

namespace symboles {

// A point of the joint's space: x along the joint's axis or line, z along its contact normal.
struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// Cavalier perspective as drawn in mechanics textbooks: x to the right, z upwards, the depth y
// drawn up and to the right at 45° and halved. The front, top and right faces are the visible ones.
QPointF Projeter(Point3 p);
QList<QPointF> Projeter(const QList<Point3> &points);

void Segment3(Trace &trace, Point3 a, Point3 b);

// Points of the circle centre + rayon (cos t u + sin t v) for t from debut to fin, in degrees.
QList<Point3> Cercle3(Point3 centre, Point3 u, Point3 v, double rayon, double debut = 0, double fin = 360);

// A convex solid given by its corners and its faces (lists of corner numbers, in order round the
// face): each face turned towards the viewer hides what lies behind it and is outlined.
void Polyedre(Trace &trace, const QList<Point3> &sommets, const QList<QList<int>> &faces);
void Boite(Trace &trace, Point3 min, Point3 max);

// A solid cylinder of axis x: it hides what lies behind it; its visible end is the one at x1.
void CylindreX(Trace &trace, double x0, double x1, double rayon);
// A ball: a circle in any perspective, hiding what lies behind it.
void Boule(Trace &trace, Point3 centre, double rayon);
// A thin horizontal plate at height z: hides what lies behind it and is outlined.
void Plaque(Trace &trace, double x0, double x1, double y0, double y1, double z);

} // namespace symboles
