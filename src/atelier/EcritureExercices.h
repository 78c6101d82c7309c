#pragma once

#include "atelier/CalquesAtelier.h"
#include "atelier/MecanismeAtelier.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

// What the five exercise folders of a mechanism are written from.
struct SourceExercices {
    const MecanismeAtelier &m;
    QString dossierMecanisme; // ends with "/"
    QImage plan;              // 24 bits
    QByteArray pdf;           // the sheet on one page
    ZonesExercice zones;
    std::vector<int> classeDesPieces;
    QImage trameClasses;
};

// Each writes one exercise folder, made when missing, and returns the French text of the first failure.
std::optional<QString> EcrirePresentation(const SourceExercices &s);
std::optional<QString> EcrireColoriage(const SourceExercices &s, bool parClasse);
std::optional<QString> EcrireGrapheDesLiaisons(const SourceExercices &s);
// Everything of the diagram but its correction graph, which the joint-graph editor writes.
std::optional<QString> EcrireSchemaCinematique(const SourceExercices &s);
