#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the loupe's frame goes on a screen: at its top right corner, unless it would cover the band
// of the window it serves (title bar and menu bar, in screen coordinates); then just below that band,
// against the screen's right edge. Kept on the screen whatever happens.
QPoint PlacementLoupe(const QRect &ecran, QSize cadre, const QRect &bandeInterdite);
