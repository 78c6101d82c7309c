#pragma once

#include "atelier/MecanismeAtelier.h"

#include <QString>
#include <variant>

// A mechanism folder read back into what the workshop edits, so that a teacher can change it: the descriptor's
// name and difficulty, the drawing, the zones and their parts from the plan decoding, the parts list with each
// bubble where its disc lies on the presentation's map, the classes from the joint graph's names and the
// colouring by classes, and the kind of study. The description page is left to its file (the text stays
// empty), so that writing the mechanism again keeps it. Gives the French reason when the folder cannot be read.
std::variant<MecanismeAtelier, QString> LireMecanismeAtelier(const QString &cheminDescripteur);
