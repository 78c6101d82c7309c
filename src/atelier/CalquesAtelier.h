#pragma once

#include "atelier/MecanismeAtelier.h"

#include <QImage>
#include <vector>

// The pictures and tables a mechanism's exercises are written from, made from what the workshop found on the
// drawing. The mechanism is known to be consistent (zones of the drawing's size, labels within their count).

// The zones a student colours: those of the drawing that belong to a part and have pixels, numbered 1, 2, 3…
// in the drawing's order. A region in no part (a bubble, a cell of the title block) is no zone of the exercise.
struct ZonesExercice {
    std::vector<int> numero; // index = zone of the drawing: its number in the exercise, 0 when in no part
    std::vector<int> piece;  // index = zone of the exercise (entry 0 unused): the repère of its part
    int nombre() const { return int(piece.size()) - 1; }
};
ZonesExercice NumeroterZonesExercice(const MecanismeAtelier &m);

// The class of each part, by repère (entry 0 unused): its number, 0 when it is in none.
std::vector<int> ClasseDesPieces(const MecanismeAtelier &m);

// The colouring exercises' zone map: zone n of the exercise in CouleurCleZone(n), everything else white.
QImage TrameZonesExercice(const MecanismeAtelier &m, const ZonesExercice &zones);
// The diagram's background map: the zones of class n in MarqueClasse(n), everything else white.
QImage TrameClasses(const MecanismeAtelier &m, const std::vector<int> &classeDesPieces);
// The presentation's map: under the bubble of each placed part, a disc of CouleurCleZone(repère) that covers the
// bubble's circle on the drawing (24 bits).
QImage TrameReperes(const MecanismeAtelier &m, const QImage &plan);
