#pragma once

#include "common/Couleur.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>

inline constexpr int NbrCeMax = 9;                 // equivalence classes of one graph
inline constexpr int NbrLiaisonMax = 20;           // joints of one graph
inline constexpr int NbrLiaisonNormaliseeMax = 11; // standard joints, rows 1 to 11 of the catalogue
inline constexpr int NbrVueMax = 3;                // plane views 1 "Face", 2 "Droite", 3 "Dessus"
inline constexpr int InclineaisonMin = -180;       // rotation of a plane symbol, in degrees
inline constexpr int InclineaisonMax = 180;

// One equivalence class of the graph.
struct TCe {
    TColor Couleur = clWhite; // white while no colour has been chosen
    bool Bati = false;        // the class is the fixed frame
    QPoint Position;          // left and top of the node in the graph area
    QString Information;

    friend bool operator==(const TCe &, const TCe &) = default;
};

// One joint: two class numbers (0 = not chosen), the catalogue row (0 = no type), the plane view
// (0 = in space) and the rotation of the plane symbol in degrees.
struct TLiaison {
    std::int32_t Ce1 = 0;
    std::int32_t Ce2 = 0;
    std::int32_t Liaison3D = 0;
    std::int32_t Liaison2D = 0;
    std::int32_t Inclineaison = 0;

    friend bool operator==(const TLiaison &, const TLiaison &) = default;
};

// The joint graph as both the joint-graph editor and the diagram editor hold it. Classes and joints
// are numbered from 1, as the user sees them; a number outside the tables is refused with
// std::out_of_range, and the counts never leave 0..9 and 0..20, so that a loop from 1 to a count
// always stays inside the tables.
class GrapheLiaisons {
public:
    QString DossierExercice; // ends with "/"; empty until a graph is opened

    std::int32_t NbrCe() const { return nbrCe_; }
    std::int32_t NbrLiaison() const { return nbrLiaison_; }
    // Both refuse (return false, change nothing) a count outside the tables.
    bool DefinirNbrCe(std::int32_t nombre);
    bool DefinirNbrLiaison(std::int32_t nombre);

    static bool NumeroCeValide(int n) { return n >= 1 && n <= NbrCeMax; }
    static bool NumeroLiaisonValide(int n) { return n >= 1 && n <= NbrLiaisonMax; }

    TCe &Ce(int n);
    const TCe &Ce(int n) const;
    TLiaison &Liaison(int n);
    const TLiaison &Liaison(int n) const;

    // Resets the nine classes; NbrCe is kept.
    void CeInitialisation();
    // No joint: NbrLiaison 0 and the twenty slots reset.
    void LiaisonInitialisation();
    void LiaisonInitialisationUnitaire(int n);

    // Appends a reset joint and returns its number, or 0 when the table is full.
    int AjouterLiaison();
    // Removes joint n: the joints after it move down one number and the freed last slot is reset.
    void DetruireLiaison(int n);

    friend bool operator==(const GrapheLiaisons &, const GrapheLiaisons &) = default;

private:
    std::int32_t nbrCe_ = 0;
    std::int32_t nbrLiaison_ = 0;
    std::array<TCe, NbrCeMax> ce_{};
    std::array<TLiaison, NbrLiaisonMax> liaison_{};
};
