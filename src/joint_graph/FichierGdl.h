#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QString>
#include <optional>

// What reading a ".gdl" file gives: a fresh document that the caller takes or drops, and on failure
// the French text to show and where the reading stopped.
struct LectureGdl {
    enum class Arret {
        Aucun,   // the whole graph was read
        Fichier, // the file could not be read; nothing was read
        Entete,  // "Mecanisme", "NbrCe" or "NbrLiaison" refused; the document is empty
        Ce,      // the colour of class numeroArret is no colour text; DossierExercice and both counts
                 // hold the file's values, the classes before it are read, no joint is
        Liaison, // joint numeroArret holds a number outside the tables; everything before it is read
    };

    GrapheLiaisons graphe;
    QString mecanisme; // the "Mecanisme" value, once accepted
    Arret arret = Arret::Aucun;
    int numeroArret = 0;
    QString erreur;

    bool reussie() const { return arret == Arret::Aucun; }
    // The mechanism and the counts were accepted: the caller may look for the class pictures
    // before it reports a later stop.
    bool enteteLue() const { return arret == Arret::Aucun || arret == Arret::Ce || arret == Arret::Liaison; }
};

// Reads a joint graph. DossierExercice becomes the mechanism's joint-graph folder, in the folder of
// mechanisms that holds it; the diagram editor finds its own folder with DossierSchemaCinematique(mecanisme).
LectureGdl LireGdl(const QString &chemin);

// The message for the first number of joint n of a file that lies outside the tables (a class beyond
// nbrCe, a type or view that does not exist, a rotation out of range) or that joins a class to itself.
std::optional<QString> LiaisonHorsTables(const TLiaison &liaison, int n, int nbrCe, const QString &nomFichier);

// A graph that no file could reopen: none is open (no exercise folder), or its mechanism's name would
// not be read back as written. Gives the French text to show.
std::optional<QString> VerifierEnregistrable(const GrapheLiaisons &graphe);

// Writes the graph into the file, keeping the sections and keys of an existing file that this graph
// does not write; what VerifierEnregistrable refuses is refused before anything is written. Returns
// the French text to show on failure; the previous file is then left whole.
std::optional<QString> EnregistrerGdl(const GrapheLiaisons &graphe, const QString &chemin);

QString MessageEcritureImpossible(const QString &chemin);
