#pragma once

#include <QString>
#include <optional>

// Dialogs that must never open while a benchmark runs: any of them says why and ends the run.
void InstallerDialoguesArret();

// What the memory of a process came to: its peak and what it still holds, in bytes.
struct MemoireProcessus {
    double pic = 0;
    double residente = 0;
};

// Run in a fresh process of this program (argument OptionEnfant then the descriptor): opens the
// "Décodage de plan" exercise of the descriptor in the real colouring window, shows it offscreen,
// waits for the drawing's first paint, and prints its memory on stdout.
inline constexpr const char *OptionEnfant = "--memoire-coloriage";
int OuvrirColoriageEtMesurer(int argc, char **argv);

// Starts that process and reads what it printed; nothing when it failed.
std::optional<MemoireProcessus> MemoireColoriageOuvert(const QString &programme, const QString &descripteur);
