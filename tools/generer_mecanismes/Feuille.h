#pragma once

#include "DessinTechnique.h"

#include "atelier/CouleursMecanisme.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <vector>

// What a zone of the drawing belongs to: a part (its number in the bill of materials) and an
// equivalence class (its number in the joint graph).
struct ZoneDessin {
    int piece = 0;
    int classe = 0;
};

// The sheet a mechanism's views are drawn on. Every shape belongs to the zone opened last; on the
// drawing it is drawn, on a zone map it is filled flat with its zone's colour. Thin lines, texts and
// other marks go through trait(), which only reaches the page on the drawing itself.
class Feuille {
public:
    Feuille(QPainter &page, Calque calque, std::vector<QColor> marquesClasses = {});

    Calque calque() const { return calque_; }
    QPainter &trait() { return calque_ == Calque::Plan ? page_ : brouillon_; }

    // Moves everything drawn from now on, shapes and marks alike.
    void decaler(double dx, double dy);
    // The shapes drawn from now on make a new zone of this part and class.
    void zone(int piece, int classe);
    void coupee(const QPainterPath &section, double angleDegres, double pas);
    void vue(const QPainterPath &contour);
    // Too thin to colour: drawn black, part of no zone.
    void noire(const QPainterPath &section);

    const std::vector<ZoneDessin> &zones() const { return zones_; }

private:
    void remplir(const QPainterPath &forme);

    QPainter &page_;
    Calque calque_;
    std::vector<QColor> marques_;
    std::vector<ZoneDessin> zones_;
    QImage feuilleBrouillon_;
    QPainter brouillon_;
};

// A socket head cap screw drawn along its axis from the top face of its head, as one zone's shapes.
void DessinerVisCHc(Feuille &f, QPointF faceTete, double angleDegres, const VisCHc &vis);
