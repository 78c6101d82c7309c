#pragma once

#include <QColor>
#include <QPolygon>
#include <memory>
#include <vector>

class QPainter;

// A stroke of the diagram as the student drew it, in the pixels of the strokes layer: a straight stroke has
// two points, a freehand one or an eraser's every point the pointer went through.
struct TraceSchema {
    QPolygon points;
    QColor couleur;
    int largeur = 1;
    bool gomme = false; // takes away what earlier strokes drew there
};

// The strokes of a diagram in the order they were drawn. A list made by adding to another shares it, so that
// each step of the history keeps the list it leaves at the cost of one stroke.
class TracesSchema {
public:
    TracesSchema ajoute(TraceSchema trace) const;
    bool vide() const { return !dernier_; }
    std::vector<const TraceSchema *> dansLOrdre() const;

private:
    struct Maillon {
        TraceSchema trace;
        std::shared_ptr<const Maillon> precedent;
    };
    std::shared_ptr<const Maillon> dernier_;
};

// Paints the strokes as vectors, as the strokes layer shows them: each one the outline of its pen (round ends
// and joints), less what later eraser strokes went over; the erased places are left unpainted.
void PeindreTraces(QPainter &peintre, const TracesSchema &traces);
