#pragma once

#include "atelier/MecanismeAtelier.h"

#include <QString>
#include <vector>

// What the teacher sets besides the drawing: names, parts, the part of each zone, classes, study.
struct EtatAtelier {
    QString souche;
    QString nom;
    int difficulte = 0;
    std::vector<PieceAtelier> pieces; // in the order of their repères, 1, 2, 3…
    std::vector<int> pieceDeZone;     // index = zone number, entry 0 unused: the part's repère, 0 for none
    std::vector<ClasseAtelier> classes;
    bool etudePlane = false;
};
