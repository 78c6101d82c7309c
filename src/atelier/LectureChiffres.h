#pragma once

#include <cstdint>
#include <vector>

// One printed figure cut from a drawing: its ink, row after row, in the box that just holds it.
struct GlypheChiffre {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint8_t> encre; // largeur × hauteur, 1 for ink
};

// The figure 0 to 9 the glyph shows, compared with the figures of the usual drawing typefaces (upright and
// sloped, regular and bold, those of the machine that exist); -1 when none is close enough, or when two
// figures are about as close, so that a doubtful figure is never read. Needs a QGuiApplication.
int LireChiffre(const GlypheChiffre &glyphe);
