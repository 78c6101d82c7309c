#pragma once

#include <QString>
#include <array>

class QAction;

// One entry of the catalogue of installed mechanisms.
struct TMecanisme {
    QString Fichier; // stem of the descriptor
    QString Chemin;  // the descriptor, in whichever folder of mechanisms it was found
    QString Nom;
    std::array<bool, 5> Exo{}; // Exo1 to Exo5
    QAction *Menu = nullptr;   // owned by the main window
};

inline constexpr int MaxMecanismes = 75;
