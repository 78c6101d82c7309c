#pragma once

#include "common/Couleur.h"
#include "common/TravailImprime.h"
#include "diagram/TracesSchema.h"
#include "symboles/SymbolesLiaisons.h"

#include <QImage>
#include <QRect>
#include <vector>

// The kinematic diagram as the window shows it, gathered to be printed or exported.
struct SchemaImprime {
    QSize taille;  // the drawing area
    QImage fond;   // the background as shown (24 bits, the surface colour where it shows nothing), or none
    Rvb surface{}; // printed white
    TracesSchema traces;
    std::vector<SymboleTourne> symboles; // in the drawing area
};

// The work of the diagram, at the scale of its drawing area: the background at its resolution, then the strokes
// and the joint symbols as vectors (the symbols drawn by the same code as the catalogue's pictures).
TravailImprime TravailSchemaCinematique(SchemaImprime schema, const QString &mecanisme, const QString &exercice);
