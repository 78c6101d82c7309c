#pragma once

#include <QRect>

class QWidget;

// Where a maximised window goes when it is restored: its design size, fitted to the available area and centred.
QRect GeometrieRestauree(QSize tailleConception, const QRect &disponible);

// From now on, when the window leaves the maximised state it takes its present size, fitted to the
// screen's available area with room for its title bar, and centred. Call it before it is first maximised.
void RestaurerALaTailleDeConception(QWidget &fenetre);
