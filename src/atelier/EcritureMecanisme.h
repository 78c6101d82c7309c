#pragma once

#include "atelier/MecanismeAtelier.h"
#include "verification/RapportVerification.h"

#include <QString>
#include <array>
#include <optional>

// What writing a mechanism gives the workshop's window.
struct EcritureAtelier {
    // Why the mechanism was refused (then nothing was written), or the first file that could not be
    // written (those before it were, each whole). Nothing when all was written.
    std::optional<QString> erreur;
    QString descripteur;             // the descriptor's path, once written
    std::array<bool, 5> exercices{}; // Exo1 to Exo5 as the descriptor offers them
    // What the checker found with all five exercises offered: what is still missing for those left off.
    RapportVerification rapport;
};

// Writes the mechanism into a folder of mechanisms, made when missing: the descriptor souche + ".sch" and
// the folder souche with its five exercise folders, all but the correction graph, which the joint-graph
// editor writes. What a teacher added by hand stays: other keys and sections of the INI files, the
// settings of the exercises once there, files the workshop does not write, and the description page
// when the mechanism brings none. The checker then reads the mechanism back, hidden from the students while it
// does, and the descriptor offers only the exercises in which it finds no error; the mechanism is listed when it
// offers one.
EcritureAtelier EcrireMecanismeAtelier(const MecanismeAtelier &m, const QString &racine);

// Why the mechanism cannot be written at all, in French; nothing when it can.
std::optional<QString> RefusMecanismeAtelier(const MecanismeAtelier &m);
