#pragma once

#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/Hyperstatisme.h"

#include <QString>
#include <QStringList>
#include <vector>

// What "Vérifier mon graphe" tells the student about a joint graph compared with the mechanism's
// correction. Joints are compared as a multiset of unordered pairs of classes with their type: the order
// of the joints and of the two classes of a joint do not matter, and two joints between the same two
// classes (in parallel) are two joints. In a plane study the view is part of the type: the plane joint
// is the standard joint seen in that view. Of the correction's joints, only those between classes the
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
    // How far the graph is from the correction: each joint missing, in excess, of a wrong type or
    // incomplete, and a frame wrong or absent, counts one.
    int fautes() const;
    // The French text shown to the student, one sentence a line.
    QString texte() const;
};

// The view is compared in a plane study: one the exercise asks for or, when it asks none, one in which
// every joint of the correction and every joint of the student has a plane view.
bool VuesComparees(const GrapheLiaisons &eleve, const GrapheLiaisons &correction, EtudeExercice etude);

VerdictGraphe ComparerGraphes(const GrapheLiaisons &eleve, const GrapheLiaisons &correction,
                              EtudeExercice etude = EtudeExercice::SelonLesVues);

// A mechanism may accept several models of its joints: "correction.gdl", then "correction_2.gdl",
// "correction_3.gdl"… beside it, as long as the numbers follow each other, at most NbrModelesMax.
inline constexpr int NbrModelesMax = 9;
inline const QString MessageSansCorrection = QStringLiteral("Ce mécanisme n'a pas de graphe des liaisons corrigé.");
// "correction.gdl" for model 1, "correction_n.gdl" for model n.
QString NomModeleCorrection(int numero);
// The models of the diagram exercise folder (ending with "/"), each found as the program finds any
// file of a mechanism; empty when there is no "correction.gdl".
QStringList CheminsModelesCorrection(const QString &dossierSchema);

// The verdict against the model nearest to the student's graph (fewest faults, the first of equals):
// "juste" as soon as one model matches. The models that cannot be compared (another number of classes)
// are passed over while one can; when none can, the first one's refusal is given, and without any model
// MessageSansCorrection.
VerdictGraphe ComparerAuxModeles(const GrapheLiaisons &eleve, const std::vector<GrapheLiaisons> &modeles,
                                 EtudeExercice etude);
