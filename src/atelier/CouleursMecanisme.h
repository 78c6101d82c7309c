#pragma once

#include "common/Couleur.h"

#include <QColor>

// The key colours a mechanism's files give its zones, parts and classes. None is black or white, the
// colours of the lines and of the ground, which belong to no zone.

// Zone n of a colouring exercise's zone map: one of a thousand colours whose three channels spell the
// digits of n.
QColor CouleurCleZone(int numero);

// The colour of class n in the correction graph, and the colour that marks its zones in the diagram's
// background; no two classes share one, for n from 1 to 9.
TColor CouleurClasse(int n);
TColor MarqueClasse(int n);
