#pragma once

#include "diagram/SchemaCinematique.h"

#include <QString>

// What reading a joint graph and its exercise's "condition.inf" gives: the diagram, or the French
// reason it was refused.
struct LectureSchema {
    SchemaCinematique schema;
    QString erreur;

    bool reussie() const { return erreur.isEmpty(); }
};

inline const QString MessageLiaisonNonProjetee =
    QStringLiteral("Vous avez au moins une de vos liaisons non projectée dans le plan.");
inline const QString MessageMecanismeNonInstalle = QStringLiteral("Le mécanisme de l'exercice n'est pas installé.");
inline const QString PhraseSchema = QStringLiteral("Impossible d'ouvrir le schéma cinématique de ce mécanisme.");

// Reads the graph at cheminGdl, then the "condition.inf" of the diagram folder of the mechanism the
// graph names, in the folder of mechanisms that holds it, wherever the graph itself lies.
LectureSchema LireSchema(const QString &cheminGdl);
