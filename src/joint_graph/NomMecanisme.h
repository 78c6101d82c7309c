#pragma once

#include <QString>

// A ".gdl" file names its mechanism by the name of the mechanism folder alone; the exercise folders
// are rebuilt from that name in the folder of mechanisms that holds it (DossierDuMecanisme), wherever
// the file itself lies. The free mode's folder is always the program folder's.

inline const QString NomDossierGrapheDesLiaisons = QStringLiteral("graphe_des_liaisons");
inline const QString NomDossierSchemaCinematique = QStringLiteral("schema_cinematique");
// The mechanism folder of a graph made without a mechanism.
inline const QString NomSansMecanisme = QStringLiteral("sansmecanisme");

// The name of the folder two levels above an exercise folder: ".../meca/graphe_des_liaisons/" gives
// "meca". Both "/" and "\" separate; doubled separators change nothing.
QString NomMecanismeDuDossier(const QString &dossierExercice);

// The longest folder name the file systems of the desktop take, in bytes of UTF-8.
inline constexpr qsizetype LongueurMaxNomDossier = 255;

// One plain path component: not empty, not "." or "..", no "/", "\" or control character, valid
// Unicode, and short enough to be a folder name.
bool EstNomMecanismeValide(const QString &nom);

// The mechanism's folder + "/graphe_des_liaisons/" and + "/schema_cinematique/". The name must be valid.
QString DossierGrapheDesLiaisons(const QString &nomMecanisme);
QString DossierSchemaCinematique(const QString &nomMecanisme);
