#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// Where the link of a joint runs between the rectangles of its two nodes, in pixels of the graph
// area: it leaves node 1 on the side its direction points to, enters node 2 on the facing side,
// and the joint's symbol sits on its middle. Its two halves run straight from the border of their
// node to the middle, which lies half-way between them unless the link is bent.
struct GeometrieLien {
    QPoint sortie; // on the border of node 1
    QPoint entree; // on the border of node 2
    QPoint milieu;
    double direction = 0; // radians, -pi to pi, positive when node 2 lies lower, from centre to centre

    friend bool operator==(const GeometrieLien &, const GeometrieLien &) = default;
};

// Nothing when the two centres coincide: the link then has no direction and is not drawn.
// With a shift, the link is bent: its middle lies that many pixels across the straight link's, towards
// the bottom of the area (towards its right for an upright link), and each half runs on the line
// from its node's centre to that middle, from where it crosses the node's border. Joints in parallel
// between the same two nodes are each drawn so, on a link of their own.
std::optional<GeometrieLien> CalculerLien(const QRect &noeud1, const QRect &noeud2, int decalage = 0);

// The shift between two links of this direction that keeps symbols of this size, centred on their
// middles, `ecart` pixels apart.
int PasEntreLiens(double direction, QSize symbole, int ecart);

// The rectangle a link drawn with a pen of the given width covers.
QRect RectangleLien(const GeometrieLien &lien, int epaisseur);

// Small rectangles that together cover a link before and after a change (either may be absent), with
// a margin: a slanting link covers little of its rectangle, and only what it covers needs redrawing.
QList<QRect> MaillonsLien(const std::optional<GeometrieLien> &avant, const std::optional<GeometrieLien> &apres,
                          int marge);
