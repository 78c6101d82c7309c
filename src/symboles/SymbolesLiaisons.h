#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRgb>

// The pictures of the joint catalogue: 12 rows (0 = no joint type, 1 to 11 the standard joints) by
// 4 columns (0 = the joint in space, then its plane symbol in the views "Face", "Droite", "Dessus").
// Every joint is drawn with its axis or line along x and its contact normal along z; the view
// "Face" looks along y, "Droite" along x and "Dessus" along z.
inline constexpr int NombreRangeesSymboles = 12;
inline constexpr int NombreColonnesSymboles = 4;
inline constexpr int CoteSymbole = 75;

// The solid of the first class and the solid of the second in the catalogue's pictures: the windows
// find them by these exact colours and replace them with the colours of the classes.
inline constexpr QRgb MarqueSolide1 = qRgb(255, 173, 173);
inline constexpr QRgb MarqueSolide2 = qRgb(255, 208, 135);
// The placeholder pictures of row 0, which belong to no solid.
inline constexpr QRgb GrisNeutre = qRgb(150, 150, 150);

// Paints the symbol of a catalogue row and column into `cadre` (the 75 × 75 catalogue frame scaled to it),
// the first solid in `solide1` and the second in `solide2` (row 0's placeholders stay grey); strokes scale with
// the frame. Nothing for a cell outside the table, an empty frame or a painter that is not painting.
// The painter's transform is kept underneath (translate or turn it first to place the symbol) and its
// state is restored on return. Hidden parts are covered in white, the catalogue's ground. Anti-aliasing
// follows the painter's hints: with it off, every pixel of a solid has that solid's exact colour.
void PeindreSymboleLiaison(QPainter &peintre, int rangee, int colonne, const QRectF &cadre,
                           const QColor &solide1 = MarqueSolide1, const QColor &solide2 = MarqueSolide2);

// A symbol as the windows place it on a link or on the diagram: in a square, turned about its centre, in the
// colours of its two classes.
struct SymboleTourne {
    QRect cadre;
    int rangee = 0;
    int colonne = 0;
    int inclinaison = 0; // degrees, anticlockwise
    QColor solide1;
    QColor solide2;
};
// Paints it cut to its square, as the windows' turned pictures are.
void PeindreSymboleTourne(QPainter &peintre, const SymboleTourne &symbole);

// The catalogue's picture of a row and column: 75 × 75, Format_RGB888, white ground, the joint's centre on
// the centre pixel (37, 37), the solids in their marker colours, without anti-aliasing, and no solid's pixel
// left without a 2 × 2 square of its colour. A null picture outside the table.
QImage DessinerSymboleLiaison(int rangee, int colonne);
