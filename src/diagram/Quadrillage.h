#pragma once

#include "common/Couleur.h"

#include <QImage>
#include <QPoint>

// The grid of the diagram background: one dot per cell, on which strokes and joint symbols snap.
inline constexpr int PasQuadrillage = 15;

// Moves a drawing point onto the dot of its grid cell: 0 to 14 give 6, 15 to 29 give 21.
void PositionSurQuadrillage(QPoint &point);
// Moves the top-left corner of a symbol onto the nearest grid crossing: 0 to 7 give 0, 8 to 22 give
// 15, -8 gives -15.
void PositionLiaisonSurQuadrillage(QPoint &position);

// Paints one dot per grid cell, where the picture still has the ground colour, and the bottom-left
// pixel in the ground colour.
void QuadrillageImage(QImage &image, TColor couleurPoint, TColor couleurFond);
