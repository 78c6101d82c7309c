#pragma once

#include "Feuille.h"

#include <vector>

// The bench vice's assembly drawing: the longitudinal section A-A along the screw and the cross
// section B-B through the nut, on a drawing area of 1400 × 900.
enum ClasseEtau { BatiEtau = 1, MorsMobileEtau, VisEtau, LevierEtau };

const std::vector<Repere> &ReperesEtau();
void DessinerVuesEtau(Feuille &f);
