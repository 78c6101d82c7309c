#pragma once

#include "atelier/EditionZones.h"

#include <QSize>
#include <cstdint>
#include <utility>
#include <vector>

// An edited drawing put away while an undo command keeps it. A drawing and its zones are long runs of
// equal values, so a sheet of several hundred megabytes in the window keeps in a few megabytes here.
struct EditionRangee {
    QSize taille;
    int aireMin = 0;
    std::int32_t nombre = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> trait;     // (0xRRGGBB, pixels) row after row
    std::vector<std::pair<std::int32_t, std::uint32_t>> etiquettes; // (zone, pixels) row after row

    std::size_t octets() const { return trait.size() * sizeof(trait[0]) + etiquettes.size() * sizeof(etiquettes[0]); }
};

EditionRangee RangerEdition(const EditionZones &edition);
EditionZones ReprendreEdition(const EditionRangee &rangee);
