#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The catalogue of standard joints: row 0 (no type chosen) and rows 1 to 11 (the standard joints), each
// with four symbols (column 0 in space, 1 to 3 the plane views) and four counts of static unknowns.
// A table is either empty or whole: a load that fails leaves it as it was, so a partly loaded table
// can never be used.
class LiaisonNormalisee {
public:
    static constexpr int NbrLignes = NbrLiaisonNormaliseeMax + 1;
    static constexpr int NbrColonnes = NbrVueMax + 1;
    // Marker colours of the symbols, replaced by the colours of the joint's first and second class.
    static constexpr QRgb MarqueCe1 = 0xFFFFADAD; // RGB (255, 173, 173)
    static constexpr QRgb MarqueCe2 = 0xFFFFD087; // RGB (255, 208, 135)

    // "ressource/liaison/" in the program folder.
    static QString DossierCatalogue();

    // Loads "liaison.inf" and the 48 pictures "<row>_<column>.bmp" of the folder (ending with "/").
    // Returns the French text of the first failure; the table is then unchanged.
    std::optional<QString> Charger(const QString &dossier = DossierCatalogue());

    bool estComplet() const { return complet_; }
    // A null picture, or no count, when the table is not loaded or the cell lies outside it.
    const QImage &Symbole(int ligne, int colonne) const;
    std::optional<std::int32_t> Inconnues(int ligne, int colonne) const;
    // The width and height of the largest symbol of the standard joints; empty when not loaded.
    QSize TailleMaxSymboles() const;

private:
    static bool celluleValide(int ligne, int colonne);

    bool complet_ = false;
    std::array<std::array<QImage, NbrColonnes>, NbrLignes> symboles_{};
    std::array<std::array<std::int32_t, NbrColonnes>, NbrLignes> inconnues_{};
};

QString MessageSymboleIllisible(const QString &chemin);
