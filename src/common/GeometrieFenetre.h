#pragma once

#include <QSize>

class QWidget;

// Sets the geometry a window gets back when it is un-maximised; call it before showMaximized().
void PreparerGeometrieRestauree(QWidget &fenetre, QSize tailleConception);
