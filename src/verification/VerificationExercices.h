#pragma once

#include "verification/ContexteVerification.h"

#include <QImage>
#include <optional>
#include <vector>

// The checks of each exercise folder, in the order the checker runs them.

void VerifierPresentation(ContexteVerification &contexte);

// What the checks of a colouring folder leave for the comparison of the two modes.
struct ZonesColoriage {
    QImage trame;                                // null when it could not be read
    std::vector<std::optional<TColor>> couleurs; // key colour of zone 1 … Z
    std::vector<int> proprietaire;               // part or class of zone 1 … Z, 0 when none or not one
    int nombre = 0;                              // parts or classes
    bool complet = false;                        // every zone belongs to one part or class
};
ZonesColoriage VerifierColoriage(ContexteVerification &contexte, const QString &mode);
// Every zone of the plan decoding lies in one equivalence class.
void VerifierClassesUnionsDePieces(ContexteVerification &contexte, const ZonesColoriage &pieces,
                                   const ZonesColoriage &classes);

// Both give the number of classes they found, or nothing.
std::optional<int> VerifierGrapheDesLiaisons(ContexteVerification &contexte);
std::optional<int> VerifierCorrection(ContexteVerification &contexte);
// correctionSaine: the correction graph gave no error, so the window's own reading of the diagram can be
// asked what else it refuses.
void VerifierSchema(ContexteVerification &contexte, std::optional<int> nbrCeCorrection, bool correctionSaine);
