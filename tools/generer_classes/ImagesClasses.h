#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The class pictures of the free mode, "1.bmp" to "9.bmp": a framed card showing the class number
// in large segment digits, with room left in its corners for the colour square and the frame symbol.
inline constexpr int NombreImagesClasses = 9;
inline constexpr int LargeurImageClasse = 64;
inline constexpr int HauteurImageClasse = 64;

// 24 bits, white ground, black drawing; a null picture for a number outside 1 to 9.
QImage DessinerImageClasse(int numero);

// "3.bmp" for 3.
QString NomFichierImageClasse(int numero);

// Writes the nine pictures as 24-bit BMP files into the folder, created when missing.
// Returns the French text to show on failure.
std::optional<QString> EcrireImagesClasses(const QString &dossier);
