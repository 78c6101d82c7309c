#pragma once

#include <QImage>

// Pictures the diagram window carries, drawn in code on a white ground whose bottom-left pixel is
// white, so that white is their transparent colour.

inline constexpr int CoteCadreSelection = 75;
inline constexpr int CoteGlypheOutil = 20;

// The selection frame: a dashed square along columns and rows 2 and 72, 5 × 5 handles on its corners
// and the middles of its sides, and a 5 × 5 square with a cross at its centre.
QImage CadreSelection();

// The glyphs of the four drawing buttons, CoteGlypheOutil points square; ratio is the screen's
// device pixel ratio, 2 drawing them at twice as many pixels for a high-density screen.
QImage GlypheTraitDroit(qreal ratio = 1);
QImage GlypheTraitMainLevee(qreal ratio = 1);
QImage GlypheGomme(qreal ratio = 1);
QImage GlypheToutEffacer(qreal ratio = 1);
