#pragma once

#include "workshop/EtatAtelier.h"

#include <vector>

struct AnalyseAtelier;
struct ModificationZones;

// What the workshop's undo commands change in the window, and nothing else of it.
class AtelierModifiable {
public:
    virtual ~AtelierModifiable() = default;
    virtual void AppliquerEtat(const EtatAtelier &etat) = 0;
    // The zones take the state kept in `modification` and the parts of zones in `pieceDeZone`; both get back
    // what they replace.
    virtual void EchangerZones(ModificationZones &modification, std::vector<int> &pieceDeZone) = 0;
    virtual void EchangerAnalyse(AnalyseAtelier &autre) = 0;
};
