#include "symboles/Trace.h"

#include "symboles/SymbolesLiaisons.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace symboles {

Trace::Trace(QPainter &peintre, const QRectF &cadre, const QColor &solide1, const QColor &solide2)
    : peintre_(peintre), solide1_(solide1), solide2_(solide2)
{
    peintre_.save();
    // translate() and scale() compose with the caller's transform, so a symbol can be placed on a turned page.
    peintre_.translate(cadre.topLeft());
    peintre_.scale(cadre.width() / CoteSymbole, cadre.height() / CoteSymbole);
    // Whole coordinates fall on pixel centres of the catalogue picture, so that a 3-pixel stroke covers its
    // pixel and one on each side.
    peintre_.translate(CoteSymbole / 2 + 0.5, CoteSymbole / 2 + 0.5);
    peintre_.scale(1, -1);
}

Trace::~Trace() { peintre_.restore(); }

void Trace::couleur(const QColor &couleur)
{
    if (couleur.rgb() == MarqueSolide1)
        couleur_ = solide1_;
    else if (couleur.rgb() == MarqueSolide2)
        couleur_ = solide2_;
    else
        couleur_ = couleur;
}

QPen Trace::crayon(Qt::PenJoinStyle jonction) const
{
    return QPen(couleur_, LargeurTrait, Qt::SolidLine, Qt::SquareCap, jonction);
}

void Trace::segment(QPointF a, QPointF b)
{
    peintre_.setPen(crayon(Qt::MiterJoin));
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawLine(a, b);
}

void Trace::polyligne(const QList<QPointF> &points)
{
    QPen pen = crayon(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    peintre_.setPen(pen);
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawPolyline(QPolygonF(points));
}

void Trace::contour(const QList<QPointF> &points, Qt::PenJoinStyle jonction)
{
    peintre_.setPen(crayon(jonction));
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawPolygon(QPolygonF(points));
}

void Trace::remplir(const QList<QPointF> &points)
{
    peintre_.setPen(crayon(Qt::MiterJoin));
    peintre_.setBrush(couleur_);
    peintre_.drawPolygon(QPolygonF(points));
}

void Trace::masquer(const QList<QPointF> &points)
{
    peintre_.setPen(Qt::NoPen);
    peintre_.setBrush(Qt::white);
    peintre_.drawPolygon(QPolygonF(points));
}

void Trace::cercle(QPointF centre, double rayon)
{
    peintre_.setPen(crayon(Qt::RoundJoin));
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawEllipse(centre, rayon, rayon);
}

void Trace::disque(QPointF centre, double rayon)
{
    peintre_.setPen(Qt::NoPen);
    peintre_.setBrush(couleur_);
    peintre_.drawEllipse(centre, rayon, rayon);
}

void Trace::arc(QPointF centre, double rayon, double debut, double fin)
{
    polyligne(PointsArc(centre, rayon, debut, fin));
}

void Trace::contourPointille(const QList<QPointF> &points, double largeur)
{
    peintre_.setPen(QPen(couleur_, largeur, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawPolygon(QPolygonF(points));
}

QList<QPointF> PointsArc(QPointF centre, double rayon, double debut, double fin)
{
    constexpr double pas = 5;
    const int nombre = std::max(1, int(std::ceil(std::abs(fin - debut) / pas)));
    QList<QPointF> points;
    for (int i = 0; i <= nombre; ++i) {
        const double angle = (debut + (fin - debut) * i / nombre) * std::numbers::pi / 180;
        points.append(centre + QPointF(rayon * std::cos(angle), rayon * std::sin(angle)));
    }
    return points;
}

QList<QPointF> EnveloppeConvexe(QList<QPointF> points)
{
    std::sort(points.begin(), points.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    if (points.size() < 3)
        return points;
    const auto tourne = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QList<QPointF> enveloppe(2 * points.size());
    qsizetype k = 0;
    for (const QPointF &p : points) {
        while (k >= 2 && tourne(enveloppe[k - 2], enveloppe[k - 1], p) <= 0)
            --k;
        enveloppe[k++] = p;
    }
    for (qsizetype i = points.size() - 2, bas = k + 1; i >= 0; --i) {
        while (k >= bas && tourne(enveloppe[k - 2], enveloppe[k - 1], points[i]) <= 0)
            --k;
        enveloppe[k++] = points[i];
    }
    enveloppe.resize(k - 1);
    return enveloppe;
}

} // namespace symboles
