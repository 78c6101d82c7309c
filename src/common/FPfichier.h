#pragma once

#include <QString>

inline constexpr int DossierDocumentsUtilisateur = 5;

// Sends a file or a folder with all it holds to the trash, or deletes it where there is none.
bool EffacerRepertoire(const QString &chemin);
// The path of a special folder of the desktop, which exists on return; 5 is the user's documents.
QString DossierSpecial(int numero);
