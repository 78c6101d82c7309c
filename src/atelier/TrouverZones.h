#pragma once

#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

struct ReglagesZones {
    int aireMin = 100;           // pixels: a smaller enclosed region is no zone
    bool reunirHachures = true;  // a hatched section is one zone, not one per strip
    int epaisseurHachureMax = 3; // pixels across a hatch line
    int ecartHachuresMax = 80;   // pixels between two hatch lines
};

// The zones of a mask (see NettoyageDessin.h): the regions of paper, 4-connected, enclosed by lines,
// numbered 1, 2, 3… in the order their first pixel comes row after row. The outer ground (every region
// touching the edge of the sheet) and the regions under `aireMin` are no zones; the strips of a hatched
// section make one zone.
ZonesDessin TrouverZones(const QImage &masque, const ReglagesZones &reglages = {});

// The same into `zones`, whose table is kept when it has the size of the sheet: what the window does each
// time the teacher moves a setting.
void TrouverZones(const QImage &masque, const ReglagesZones &reglages, ZonesDessin &zones);

// Where each zone lies and how many pixels it has, indexed by zone number (entry 0 unused). A zone's
// rectangle may be larger than the zone once it was edited, never smaller.
struct IndexZonesDessin {
    std::vector<QRect> cadres;
    std::vector<std::int64_t> aires;
};

IndexZonesDessin IndexerZones(const ZonesDessin &zones);
