#pragma once

#include <QSize>
#include <cstddef>
#include <cstdint>
#include <vector>

// The zones found on a teacher's drawing: each pixel carries the number of its zone, 1 to `nombre`, or 0
// for the black lines, the outer ground and the regions too small to be zones.
struct ZonesDessin {
    QSize taille;
    std::vector<std::int32_t> etiquettes; // row after row, taille.width() × taille.height()
    std::int32_t nombre = 0;

    std::int32_t zone(int x, int y) const
    {
        return etiquettes[std::size_t(y) * std::size_t(taille.width()) + std::size_t(x)];
    }
};
