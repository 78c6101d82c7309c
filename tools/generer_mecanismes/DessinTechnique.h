#pragma once

#include "atelier/ImageClasse.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QString>
#include <initializer_list>

// Drafting conventions of the assembly drawing: thick lines for visible edges, thin lines for
// hatching, thread roots and leaders, dash-dot for centre lines. Everything is drawn without
// anti-aliasing, so the drawing is pure black and white and its labels meet the zone map pixel
// for pixel.

// The drawing itself; the presentation's zone map, where only the part labels appear in their key
// colours; the colouring exercises' zone map, every zone of the drawing in its own key colour; the
// diagram's background, every zone in the marking colour of its equivalence class.
enum class Calque { Plan, Reperes, Zones, Classes };

QPen TraitFort();
QPen TraitFin();
QPen TraitAxe();
QPen TraitCache();

void Hachurer(QPainter &p, const QPainterPath &zone, double angleDegres, double pas);
// A part cut by the section plane: white ground, hatching, thick outline.
void PieceCoupee(QPainter &p, const QPainterPath &section, double angleDegres, double pas);
// A part seen or not cut (shafts, screws, pins along their axis): white ground, thick outline.
void PieceVue(QPainter &p, const QPainterPath &contour);
// A section too thin to hatch, filled black.
void SectionNoire(QPainter &p, const QPainterPath &section);

void LigneAxe(QPainter &p, QPointF a, QPointF b);
void Fleche(QPainter &p, QPointF queue, QPointF pointe);

// Socket head cap screw, drawn along its axis from the top face of its head.
struct VisCHc {
    double d;        // thread diameter
    double dk;       // head diameter
    double k;        // head height
    double longueur; // under the head
    double filetage; // threaded length, measured from the tip
};

QPainterPath Rectangle(double x1, double y1, double x2, double y2);
QPainterPath Polygone(std::initializer_list<QPointF> sommets);
QPainterPath Disque(QPointF centre, double rayon);

// A part number in its circle, with a leader line ending in a dot on the part.
struct Repere {
    int numero;
    QPoint centre;
    QPoint cible;
};
inline constexpr int RayonRepere = 15;
// Drawn on the drawing and, in its key colour, on the presentation's zone map; absent elsewhere.
void DessinerRepere(QPainter &p, const Repere &repere, Calque calque, const QColor &cle);
