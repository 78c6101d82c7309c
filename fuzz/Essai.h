#pragma once

// What every fuzz target shares: the Qt application, a scratch folder made once per process, and the
// split of one input into the files of a folder.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille);

// A QGuiApplication on the offscreen platform, its messages silenced; made once.
void DemarrerQt();

// The scratch folder of this process, ending with "/"; it is also the program folder, so that every
// path a reader builds from a file's contents lands inside it.
const QString &DossierEssai();

// The files of a folder are joined in one input by this separator; missing ones are empty.
inline constexpr char SeparateurFichiers[] = "@@fichier@@";
std::vector<QByteArray> DecouperEntree(const std::uint8_t *donnees, std::size_t taille, std::size_t nombre);

// Writes the bytes, creating the folders on the way; aborts when it cannot, since nothing would be tested.
void EcrireFichier(const QString &chemin, const QByteArray &octets);

// A picture whose header announces more pixels than a quick run should decode, yet not more than the
// program accepts (those are refused before decoding, and stay in the runs).
bool ImageTropLourdePourEssai(const QByteArray &octets);

// Stops the process so that libFuzzer keeps the input, with the reason on the error output.
[[noreturn]] void Echec(const char *raison);
