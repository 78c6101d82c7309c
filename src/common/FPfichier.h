#pragma once

#include <QString>
#include <optional>

inline constexpr int DossierDocumentsUtilisateur = 5;

// Sends a file or a folder with all it holds to the trash, or deletes it where there is none.
bool EffacerRepertoire(const QString &chemin);
// Files are written to a temporary file then renamed onto their path. Onto something there that is no file
// (a device such as /dev/full, a pipe, a folder) the rename would put the file in its place, and root may do
// it: such a path is refused, with this reason.
std::optional<QString> RefusCibleNonFichier(const QString &chemin);
// The path of a special folder of the desktop, which exists on return; 5 is the user's documents.
QString DossierSpecial(int numero);
