#pragma once

#include "common/Couleur.h"

#include <QString>

// A colour as a screen reader says it: its French name when it is one of the basic colours,
// else its red, green and blue values ("rouge 12, vert 200, bleu 40").
QString NomCouleurFrancais(TColor couleur);
