#pragma once

#include "atelier/TrouverZones.h"
#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QPoint>
#include <vector>

// A numbered bubble read on a drawing: the circle around a part's repère.
struct BulleTrouvee {
    int numero = 0;
    QPoint centre;
    int rayon = 0; // of the circle's inside
};

// The bubbles of a drawing whose number could be read: zones whose outline is a circle of a bubble's size (a
// hundred-and-fiftieth to a tenth of the sheet's short side), holding one to four figures of like height side
// by side in their middle. A circle holding anything else, or a figure that reads doubtfully, is no bubble.
// `trait` is black on white (Format_RGB888), `zones` and `index` were found on it. In the order of the zones.
std::vector<BulleTrouvee> TrouverBulles(const QImage &trait, const ZonesDessin &zones, const IndexZonesDessin &index);
