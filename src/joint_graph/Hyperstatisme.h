#pragma once

#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/LiaisonNormalisee.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

// The study a joint-graph exercise asks for, in the key "Etude" of section "HYPERSTATISME" of its
// "condition.inf".
enum class EtudeExercice {
    SelonLesVues, // no key (free mode, older mechanisms): in space when no joint has a plane view,
                  // plane when every joint has one
    Spatiale,     // k = 6, each joint's unknowns counted in space whatever its view
    Plane,        // k = 3, each joint's unknowns counted in its plane view, which every joint needs
};

// What the graph gives to the degree of hyperstatism h = me + mi + is - k·n; the two mobilities me
// and mi are asked from the student.
struct DonneesHyperstatisme {
    std::int32_t k = 6;                                // 6 for a study in space, 3 for a plane study
    std::int32_t n = 0;                                // classes that take part, less the frame
    std::int32_t is = 0;                               // static unknowns of the joints
    bool batiRelie = false;                            // a frame class is an end of at least one joint
    EtudeExercice etude = EtudeExercice::SelonLesVues; // what the exercise asked: why k is what it is
};

// The graph cannot be studied: the French text says why.
struct RefusHyperstatisme {
    QString message;
};

// The study the exercise asks decides k; without one, the joints' views decide it.
std::variant<DonneesHyperstatisme, RefusHyperstatisme>
PreparerHyperstatisme(const GrapheLiaisons &graphe, const LiaisonNormalisee &catalogue, EtudeExercice etude);

// h = me + mi + is - k·n, in 64 bits so that no answer of the student overflows it.
std::int64_t DegreHyperstatisme(const DonneesHyperstatisme &donnees, std::int32_t me, std::int32_t mi);

// The notice shown when no frame class takes part: every class then counts in n.
QString MessageSansBati();
// The one message box: the study made, why, the working and the verdict.
QString MessageHyperstatisme(const DonneesHyperstatisme &donnees, std::int32_t me, std::int32_t mi);

// A whole number in decimal, an optional sign first, blanks around ignored; nothing otherwise.
std::optional<std::int32_t> LireNombreEntier(const QString &texte);
