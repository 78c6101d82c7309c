#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>

// Draws on a symbol picture in the symbol's own frame: the origin is the centre pixel, x runs to
// the right and y upwards, one unit per pixel. Nothing is anti-aliased, so every pixel of a solid
// keeps the exact colour it is drawn in and can later be found and replaced.
class Trace {
public:
    static constexpr double LargeurTrait = 3;

    explicit Trace(QImage &image);

    // Colour of the following strokes and fills.
    void couleur(const QColor &couleur);

    void segment(QPointF a, QPointF b);
    // An open line through the points, with rounded joints (for curves).
    void polyligne(const QList<QPointF> &points);
    // A closed outline, with sharp corners unless asked for rounded ones (the acute corners
    // of shapes in perspective would otherwise end in spikes).
    void contour(const QList<QPointF> &points, Qt::PenJoinStyle jonction = Qt::MiterJoin);
    // A polygon filled with the current colour, outline included.
    void remplir(const QList<QPointF> &points);
    // Paints the polygon in the ground colour, hiding what was drawn behind it.
    void masquer(const QList<QPointF> &points);
    void cercle(QPointF centre, double rayon);
    void disque(QPointF centre, double rayon);
    // Arc of a circle from one angle to the other, in degrees, anticlockwise.
    void arc(QPointF centre, double rayon, double debut, double fin);
    // A dashed closed outline, thin, for the placeholders.
    void contourPointille(const QList<QPointF> &points, double largeur);

private:
    QPen crayon(Qt::PenJoinStyle jonction) const;

    QPainter peintre_;
    QColor couleur_;
};

// Points of an arc, anticlockwise, one every few degrees.
QList<QPointF> PointsArc(QPointF centre, double rayon, double debut, double fin);
// The convex hull of the points, anticlockwise.
QList<QPointF> EnveloppeConvexe(QList<QPointF> points);

// Gives every pixel of the listed colours a 2 × 2 square of its own colour, taken on the white
// ground next to it: the ends of arcs, the tips of sharp corners and the slivers left where two
// strokes cross would otherwise be single pixels, lost once the picture is recoloured and turned.
void EpaissirPixelsIsoles(QImage &image, const QList<QRgb> &couleurs);
