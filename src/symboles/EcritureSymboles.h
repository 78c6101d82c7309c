#pragma once

#include <QString>
#include <optional>

// "rangee_colonne.bmp", for example "3_1.bmp": the names the joint catalogue's pictures have on disk.
QString NomFichierSymbole(int rangee, int colonne);

// Writes the 48 catalogue pictures as 24-bit BMP files into the folder, created when missing.
// Returns the French text to show on failure; files already written stay.
std::optional<QString> EcrireSymbolesLiaisons(const QString &dossier);
