#pragma once

#include <QRect>

class QWidget;

// Where a maximised window goes when it is restored: its design size, fitted to the available area less its
// frame and centred. `cadre` is what the frame adds to the window's size (both sides, and the title bar);
// when the window manager has not told it yet, room is left for a usual title bar.
QRect GeometrieRestauree(QSize tailleConception, const QRect &disponible, QSize cadre);

// From now on, when the window leaves the maximised state it takes its present size, fitted to the
// screen's available area with room for its title bar, and centred. Call it before it is first maximised.
void RestaurerALaTailleDeConception(QWidget &fenetre);
