#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace symboles {

// Draws a symbol in its own frame: the origin is the centre pixel of the 75 × 75 catalogue picture, x runs
// to the right and y upwards, one unit per pixel of that picture. The frame is laid onto the rectangle given,
// over whatever transform the painter already has, and the painter is left as it was found.
// The drawings name the solids by their marker colours; the trace paints them in the colours it was given,
// so that a drawing never needs to know who asked for it.
class Trace {
public:
    static constexpr double LargeurTrait = 3;

    Trace(QPainter &peintre, const QRectF &cadre, const QColor &solide1, const QColor &solide2);
    ~Trace();
    Trace(const Trace &) = delete;
    Trace &operator=(const Trace &) = delete;

    // Colour of the following strokes and fills; a marker colour stands for its solid.
    void couleur(const QColor &couleur);

    void segment(QPointF a, QPointF b);
    // An open line through the points, with rounded joints (for curves).
    void polyligne(const QList<QPointF> &points);
    // A closed outline, with sharp corners unless asked for rounded ones (the acute corners
    // of shapes in perspective would otherwise end in spikes).
    void contour(const QList<QPointF> &points, Qt::PenJoinStyle jonction = Qt::MiterJoin);
    // A polygon filled with the current colour, outline included.
    void remplir(const QList<QPointF> &points);
    // Paints the polygon in the ground colour, white, hiding what was drawn behind it.
    void masquer(const QList<QPointF> &points);
    void cercle(QPointF centre, double rayon);
    void disque(QPointF centre, double rayon);
    // Arc of a circle from one angle to the other, in degrees, anticlockwise.
    void arc(QPointF centre, double rayon, double debut, double fin);
    // A dashed closed outline, thin, for the placeholders.
    void contourPointille(const QList<QPointF> &points, double largeur);

private:
    QPen crayon(Qt::PenJoinStyle jonction) const;

    QPainter &peintre_;
    QColor solide1_;
    QColor solide2_;
    QColor couleur_;
};

// Points of an arc, anticlockwise, one every few degrees.
QList<QPointF> PointsArc(QPointF centre, double rayon, double debut, double fin);
// The convex hull of the points, anticlockwise.
QList<QPointF> EnveloppeConvexe(QList<QPointF> points);

} // namespace symboles
