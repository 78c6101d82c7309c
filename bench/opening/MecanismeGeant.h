#pragma once

#include "diagram/SchemaCinematique.h"

#include <QSize>
#include <QString>

// A mechanism installed in a folder, every exercise that shows the drawing on one sheet of the given
// size: 1000 zones in a grid of cells outlined in black, the drawing's lines with some hatching.
struct MecanismeGeant {
    QString descripteur;     // the ".sch"
    QString dossierSchema;   // its diagram folder, ending with "/"
    qint64 octetsImages = 0; // the bytes of "trame.bmp" and "plan.bmp" together
};

MecanismeGeant InstallerMecanismeGeant(const QString &dossier, QSize feuille);

// What the diagram window knows of that mechanism once its joint graph is read.
SchemaCinematique SchemaGeant(const MecanismeGeant &mecanisme);
