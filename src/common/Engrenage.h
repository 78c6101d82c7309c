#pragma once

#include <QPainterPath>
#include <cmath>

// A spur gear with involute teeth (20° pressure angle) centred on the origin, tooth 0 on angle 0,
// with its bore, an optional keyway and lightening holes. Filled with the odd-even rule.
QPainterPath ProfilEngrenage(int dents, double module, double rayonAlesage, int trous, double largeurClavette = 0);

inline double RayonPrimitif(int dents, double module)
{
    return module * dents / 2;
}

inline QPointF Polaire(double r, double a)
{
    return {r * std::cos(a), r * std::sin(a)};
}
