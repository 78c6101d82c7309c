#pragma once

#include "support/ArbreMecanismes.h"

#include <QColor>
#include <QImage>

// A small mechanism that offers all five exercises and breaks no rule: a 40 × 30 drawing cut into three
// zones (red, lime, blue bands); two parts (zones 1 and 2, zone 3) in both the presentation and the
// plan decoding, the same two as equivalence classes; a joint graph of two classes and a correction
// with one projected joint between them, class 1 the frame; a diagram drawn over the tinted drawing.
// Returns the descriptor's path.
QString EcrireMecanismeComplet(const RacineMecanismes &arbre, const QString &radical);

// The zone map of that mechanism, and its three key colours.
QImage TrameComplete();
inline const QColor CouleurZone1(255, 0, 0);
inline const QColor CouleurZone2(0, 255, 0);
inline const QColor CouleurZone3(0, 0, 255);
