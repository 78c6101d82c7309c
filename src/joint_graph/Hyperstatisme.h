#pragma once

#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/LiaisonNormalisee.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

// What the graph gives to the degree of hyperstatism h = me + mi + is - k·n; the two mobilities me
// and mi are asked from the student.
struct DonneesHyperstatisme {
    std::int32_t k = 6;     // 6 for a study in space, 3 for a plane study
    std::int32_t n = 0;     // classes that take part, less the frame
    std::int32_t is = 0;    // static unknowns of the joints
    bool batiRelie = false; // a frame class is an end of at least one joint
};

// The graph cannot be studied: the French text says why.
struct RefusHyperstatisme {
    QString message;
};

std::variant<DonneesHyperstatisme, RefusHyperstatisme> PreparerHyperstatisme(const GrapheLiaisons &graphe,
                                                                             const LiaisonNormalisee &catalogue);

// The notice shown when no frame class takes part: every class then counts in n.
QString MessageSansBati();
// The one message box with the working and the verdict.
QString MessageHyperstatisme(const DonneesHyperstatisme &donnees, std::int32_t me, std::int32_t mi);

// A whole number in decimal, an optional sign first, blanks around ignored; nothing otherwise.
std::optional<std::int32_t> LireNombreEntier(const QString &texte);
