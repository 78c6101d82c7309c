#pragma once

#include "common/Couleur.h"
#include "joint_graph/GrapheLiaisons.h"

#include <QString>
#include <array>
#include <cstdint>

inline const QString NomConditionSchema = QStringLiteral("condition.inf");
inline const QString NomCorrectionSchema = QStringLiteral("correction.gdl");
inline const QString NomTrameSchema = QStringLiteral("trame.bmp");
inline const QString NomPlanSchema = QStringLiteral("plan.bmp");
inline const QString NomPdfSchema = QStringLiteral("plan.pdf");
inline constexpr int NumeroExerciceSchema = 5;

// The kinds of background a diagram exercise asks for; any other value shows none.
enum TypeTrameSchema : std::int32_t { TrameAucune = 0, TrameDessin = 1, TrameQuadrillage = 2 };

struct CeSchema {
    TColor Couleur = clBtnFace; // a class the graph does not have keeps the surface colour
    bool Bati = false;
};

// What the diagram window loads: the classes and joints of a joint graph, and how the exercise
// draws its background. Record 0 of Liaison is the frame symbol: its Ce2 is the frame class, or 0.
struct SchemaCinematique {
    QString DossierExercice; // the mechanism's diagram folder, ending with "/"
    QString NomMecanisme;    // as its descriptor names it, for the window's title
    std::int32_t NbrCe = 0;
    std::int32_t NbrLiaison = 0;
    std::array<CeSchema, NbrCeMax + 1> Ce{};           // 1 to 9; 0 unused
    std::array<TLiaison, NbrLiaisonMax + 1> Liaison{}; // 0 the frame, 1 to 20 the joints
    std::int32_t TypeTrame = TrameAucune;
    std::int32_t Transparence = -100;
    std::array<TColor, NbrCeMax + 1> CouleurTrame = CouleursTrameInitiales(); // 1 to 9
    bool PdfVisible = false;

    // The colour a symbol gives class n: black for 0 (no class), the class's colour for 1 to 9,
    // black again for a number outside the table.
    TColor CouleurCe(std::int32_t n) const
    {
        if (n < 1 || n > NbrCeMax)
            return clBlack;
        return Ce[static_cast<std::size_t>(n)].Couleur;
    }

    static constexpr std::array<TColor, NbrCeMax + 1> CouleursTrameInitiales()
    {
        std::array<TColor, NbrCeMax + 1> couleurs{};
        couleurs.fill(clWhite);
        return couleurs;
    }
};
