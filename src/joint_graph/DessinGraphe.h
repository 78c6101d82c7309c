#pragma once

#include "common/Couleur.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/LiaisonNormalisee.h"

#include <QImage>

// The pictures of the joint graph, made without a widget.

inline constexpr int CoteCarreCouleur = 10; // the colour square in a node's top-left corner

// The frame symbol: 25 × 21, 24 bits, black lines on white (a stem on a ground line, hatched below).
const QImage &ImageBati();

// A node's picture: the class picture, the colour square when a colour is chosen (not white), and
// the frame symbol in the bottom-right corner, blackening the picture where it is black.
QImage ImageNoeud(const QImage &classe, TColor couleur, bool bati);

// The colour of an end of a joint: its class's colour, or black when the end is not chosen.
TColor CouleurExtremite(const GrapheLiaisons &graphe, int ce);

// A catalogue picture with its two marker colours replaced by the colours of the joint's ends.
QImage SymboleColore(const QImage &symbole, TColor couleurCe1, TColor couleurCe2);
// The symbol of a joint in the graph area: its row and view recoloured, then turned by its angle
// on white. Null when the joint has no standard joint.
QImage SymboleLiaison(const LiaisonNormalisee &catalogue, const GrapheLiaisons &graphe, int liaison);

// The link of joint a between the rectangles of its two nodes. The first joint that joins two classes
// has the straight link; each later one, in parallel with it (a shaft on two bearings), a link bent
// aside by its rank, so that symbols of the given size on their middles stand apart and each can be
// seen and clicked.
std::optional<GeometrieLien> LienLiaison(const GrapheLiaisons &graphe, int a, const QRect &noeud1, const QRect &noeud2,
                                         QSize symbole);
