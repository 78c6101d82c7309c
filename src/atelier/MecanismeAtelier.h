#pragma once

#include "atelier/AnalyseDessin.h"
#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

// A line of the parts list a teacher types; parts are numbered by their repère, 1, 2, 3…
struct PieceAtelier {
    int repere = 0;
    int nombre = 1;
    QString designation;
    QString matiere;
    QString observation;
    QPoint bulle; // centre of the part's numbered bubble on the drawing; null when not placed
};

// An equivalence class: the parts that move together, by repère.
struct ClasseAtelier {
    QString nom;
    std::vector<int> pieces;
};

// What the teacher's workshop makes of a drawing, and what a mechanism folder is written from.
struct MecanismeAtelier {
    QString souche; // descriptor and folder name
    QString nom;    // shown in the menus
    int difficulte = 0;
    QImage plan; // the drawing, black lines on white, 24 bits
    ZonesDessin zones;
    std::vector<int> pieceDeZone; // index = zone number (entry 0 unused): the part's repère, 0 when in none
    std::vector<PieceAtelier> pieces;
    std::vector<ClasseAtelier> classes; // class n is classes[n - 1]; at most 9
    bool etudePlane = false;            // the joint graph's kind of study
    QString explication;                // HTML of the description page
    ReglagesAnalyse reglages;           // how the drawing was read, for when it is read again
};
