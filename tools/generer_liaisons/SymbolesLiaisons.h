#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <optional>

// The pictures of the joint catalogue: 12 rows (0 = no joint type, 1 to 11 the standard joints) by
// 4 columns (0 = the joint in space, then its plane symbol in the views "Face", "Droite", "Dessus").
// Every joint is drawn with its axis or line along x and its contact normal along z; the view
// "Face" looks along y, "Droite" along x and "Dessus" along z.
inline constexpr int NombreRangeesSymboles = 12;
inline constexpr int NombreColonnesSymboles = 4;
inline constexpr int CoteSymbole = 75;

// The solid of the first class and the solid of the second: the colours replaced when drawn.
inline constexpr QRgb MarqueSolide1 = qRgb(255, 173, 173);
inline constexpr QRgb MarqueSolide2 = qRgb(255, 208, 135);
// The placeholder pictures of row 0, which belong to no solid.
inline constexpr QRgb GrisNeutre = qRgb(150, 150, 150);

// The picture of a row and column: 75 × 75, 24 bits, white ground, the joint's centre on the
// centre pixel (37, 37). A null picture outside the table.
QImage DessinerSymboleLiaison(int rangee, int colonne);

// "rangee_colonne.bmp", for example "3_1.bmp".
QString NomFichierSymbole(int rangee, int colonne);

// Writes the 48 pictures as 24-bit BMP files into the folder, created when missing.
// Returns the French text to show on failure; files already written stay.
std::optional<QString> EcrireSymbolesLiaisons(const QString &dossier);
