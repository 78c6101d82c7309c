#pragma once

#include <QString>
#include <array>
#include <cstdint>

// What a mechanism's ".sch" descriptor says: its name, the exercises it offers, whether it is
// listed and under which difficulty.
struct Descripteur {
    QString nom;
    std::array<bool, 5> exercices{}; // Exo1 to Exo5
    bool validite = false;
    std::int32_t difficulte = 0;
};

inline const QString SectionExercice = QStringLiteral("EXERCICE");
inline const QString ExtensionDescripteur = QStringLiteral(".sch");

Descripteur LireDescripteur(const QString &cheminDescripteur);
// The key "Exo1" to "Exo5" of an exercise numbered 1 to 5.
QString CleExercice(int numeroExercice);
bool LireAccesExercice(const QString &cheminDescripteur, int numeroExercice);

// What a window's title calls the mechanism: its descriptor's "Nom", else the descriptor's stem.
QString NomMecanismeAffiche(const QString &cheminDescripteur);

// File name without folder.
QString NomFichier(const QString &chemin);
// The extension from the last "." of the file name, in lower case, or empty.
QString ExtensionMinuscule(const QString &chemin);
// The descriptor's file name less its last four characters.
QString RadicalDescripteur(const QString &cheminDescripteur);
// The folder of DossiersMecanismes that holds the descriptor stem + ".sch": the first that holds it
// under that exact name, else the first that holds it under a name that differs only in letter case,
// else the program folder. Ends with "/".
QString DossierDuMecanisme(const QString &radical);
// The paths below are found through TrouverChemin, whatever the letter case of their names on disk.
// DossierDuMecanisme + stem + ".sch".
QString CheminDescripteur(const QString &radical);
// The descriptor path less its ".sch", then "/" + folder name + "/".
QString DossierExerciceDescripteur(const QString &cheminDescripteur, const QString &nomDossier);
// DossierDuMecanisme + stem + "/" + folder name + "/".
QString DossierExerciceRadical(const QString &radical, const QString &nomDossier);
