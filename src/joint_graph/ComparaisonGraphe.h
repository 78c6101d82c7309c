#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QString>
#include <vector>

// What "Vérifier mon graphe" tells the student about a joint graph compared with the mechanism's
// correction. Joints are compared as a multiset of unordered pairs of classes with their type: the order
// of the joints and of the two classes of a joint do not matter, and two joints between the same two
// classes (in parallel) are two joints. Of the correction's joints, only those between classes the
// student has joined are named; the others are only counted.
struct VerdictGraphe {
    struct Paire {
        int ce1 = 0; // the lower class number
        int ce2 = 0;
        int nombre = 0;
        friend bool operator==(const Paire &, const Paire &) = default;
    };
    enum class Bati { Juste, Faux, Absent, SansCorrection };

    QString refus;                         // not empty when the two graphs cannot be compared
    int justes = 0;                        // joints of the right classes and type
    int manquantes = 0;                    // correction joints between classes the student never joined
    std::vector<Paire> paralleleManquante; // pairs joined, with fewer joints than the correction
    std::vector<Paire> enTrop;             // joints between the pair beyond what the correction has
    std::vector<Paire> mauvaisType;        // joints of the right classes and a wrong type
    int incompletes = 0;                   // joints without two classes
    Bati bati = Bati::SansCorrection;

    bool juste() const;
    // The French text shown to the student, one sentence a line.
    QString texte() const;
};

VerdictGraphe ComparerGraphes(const GrapheLiaisons &eleve, const GrapheLiaisons &correction);
