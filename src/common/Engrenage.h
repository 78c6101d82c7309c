#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;
#include <cmath>

// A spur gear with involute teeth (20° pressure angle) centred on the origin, tooth 0 on angle 0,
// with its bore, an optional keyway and lightening holes. Filled with the odd-even rule.
QPainterPath ProfilEngrenage(int dents, double module, double rayonAlesage, int trous, double largeurClavette = 0);

inline double RayonPrimitif(int dents, double module) { return module * dents / 2; }

inline QPointF Polaire(double r, double a) { return {r * std::cos(a), r * std::sin(a)}; }

// Draws a gear outline turned by angle degrees about centre, filled then stroked.
void DessinerEngrenage(QPainter &p, const QPainterPath &profil, QPointF centre, double angle, const QColor &remplissage,
                       const QColor &contour);
