#pragma once

#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

// How the workshop shows each zone: its tint, and whether it is marked as still waiting for a part.
struct TeintesZones {
    std::vector<QRgb> couleur;          // by zone number, entry 0 unused
    std::vector<unsigned char> marquee; // by zone number: striped in red
};

// Writes into `teinte` (Format_RGB888, the sheet's size), over `cadre`, the black-on-white drawing `trait` with
// each zone's paper in its tint. Zones without an entry in `teintes` are left white.
void TeinterZones(QImage &teinte, const QImage &trait, const ZonesDessin &zones, const TeintesZones &teintes,
                  QRect cadre);

// A light colour of its own for each of `nombre` numbers, neighbours far apart on the colour wheel.
QRgb TeinteNumero(int numero, int saturation = 90);
