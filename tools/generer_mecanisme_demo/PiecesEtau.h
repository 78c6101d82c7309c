#pragma once

#include "common/Couleur.h"

#include <QString>
#include <vector>

// One line of the bench vice's bill of materials, with the key colour of its label in the zone map.
struct PieceEtau {
    int repere;
    int nombre;
    QString designation;
    QString matiere;
    QString observation;
    TColor couleurCle;
};

const std::vector<PieceEtau> &PiecesEtau();
