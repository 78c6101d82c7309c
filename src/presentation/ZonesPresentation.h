#pragma once

#include "common/Couleur.h"

#include <QString>
#include <cstdint>
#include <vector>

// Capacity of the parts table.
inline constexpr std::int32_t MaxZones = 1000;

// One part of the drawing: the key colour of its number on the zone map and its line of the
// bill of materials.
struct TZone {
    TColor Couleur = clWhite;
    QString Repere;
    QString Nombre;
    QString Designation;
    QString Matiere;
    QString Observation;
};

// Parts 1 to MaxZones; part n is the entry n - 1.
using TableZones = std::vector<TZone>;
TableZones ZonesVides();

// The first of parts 1 to nombrePieces whose colour is exactly the one given, or -1;
// white and black pixels belong to no part.
int NumeroZone(const TableZones &zones, std::int32_t nombrePieces, TColor couleur);

// The five lines of a part shown in the pop-up.
QString TexteInfobulle(const TZone &zone);
