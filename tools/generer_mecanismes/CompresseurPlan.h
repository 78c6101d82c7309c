#pragma once

#include "Feuille.h"

#include <QSize>
#include <vector>

// The air compressor's assembly drawing: one section in the plane of the crankshaft's and the
// cylinder's axes, drawn at 1:1 on an A3 sheet.
enum ClasseCompresseur {
    CarterCompresseur = 1,
    VilebrequinCompresseur,
    BielleCompresseur,
    PistonCompresseur,
    AxeCompresseur
};

// The sheet is 420 mm wide: at 1:1 a millimetre of the part is 10/3 units of this area.
inline constexpr QSize ZoneDessinCompresseur(1400, 990);

void DessinerVuesCompresseur(Feuille &f);
std::vector<Repere> ReperesCompresseur();
