#pragma once

#include "DessinTechnique.h"

#include <QSize>
#include <vector>

// The bench vice's assembly drawing: the longitudinal section A-A along the screw, the cross
// section B-B through the nut, the part labels and the title block.
inline constexpr QSize TaillePlanEtau(1400, 900);

const std::vector<Repere> &ReperesEtau();

// Draws on a painter whose logical area is TaillePlanEtau. The zone map holds only the labels.
void DessinerPlanEtau(QPainter &p, Calque calque);
