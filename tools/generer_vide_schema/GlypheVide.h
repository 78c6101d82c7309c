#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The blank glyph of the diagram's class buttons, "ressource/SchemaCinematique/vide.bmp": a 20 × 20
// picture with a grey square outline on white. Its bottom-left pixel is white, the colour the button
// leaves out, so the button shows the outline alone until it is given its class colour.
inline constexpr int CoteGlypheVide = 20;
inline const QString CheminGlypheVide = QStringLiteral("ressource/SchemaCinematique/vide.bmp");

QImage DessinerGlypheVide();

// Writes the glyph as a 24-bit BMP under the program folder given; the French reason on failure.
std::optional<QString> EcrireGlypheVide(const QString &dossierProgramme);
