#pragma once

#include "common/Couleur.h"
#include "common/TravailImprime.h"
#include "joint_graph/GeometrieLien.h"
#include "symboles/SymbolesLiaisons.h"

#include <QImage>
#include <QRect>
#include <vector>

// The joint graph as the window shows it, gathered to be printed or exported: the nodes' pictures, the links in
// the colours of their ends, the joints' symbols, and the classes' names and colours.
struct GrapheImprime {
    struct Noeud {
        QRect cadre;
        QImage image;
    };
    struct Lien {
        GeometrieLien geometrie;
        TColor couleurCe1 = clBlack;
        TColor couleurCe2 = clBlack;
    };
    struct Classe {
        TColor couleur = clWhite;
        QString texte;
    };
    std::vector<Noeud> noeuds;
    std::vector<Lien> liens;
    std::vector<SymboleTourne> symboles;
    std::vector<Classe> classes;
};

inline constexpr int EpaisseurLienImprime = 2;

// The work of the graph: the part of the area its nodes, links and symbols cover, on white, with the links and
// the symbols as vectors (the symbols drawn by the same code as the catalogue's pictures) and the nodes' pictures
// at their resolution; under it, one line a class, its colour and its name.
TravailImprime TravailGraphe(GrapheImprime graphe, const QString &mecanisme, const QString &exercice,
                             const QStringList &details);
