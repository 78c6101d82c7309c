#include "colouring/PlacementLoupe.h"

#include <algorithm>

QPoint PlacementLoupe(const QRect &ecran, QSize cadre, const QRect &bandeInterdite)
{
    QRect place(QPoint(ecran.right() + 1 - cadre.width(), ecran.top()), cadre);
    if (place.intersects(bandeInterdite))
        place.moveTop(bandeInterdite.bottom() + 1);
    place.moveTop(std::clamp(place.top(), ecran.top(), std::max(ecran.top(), ecran.bottom() + 1 - cadre.height())));
    place.moveLeft(std::max(place.left(), ecran.left()));
    return place.topLeft();
}
