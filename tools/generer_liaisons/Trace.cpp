#include "Trace.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

Trace::Trace(QImage &image) : peintre_(&image)
{
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    // Whole coordinates fall on pixel centres, so a 3-pixel stroke covers its pixel and one on each side.
    peintre_.translate(image.width() / 2 + 0.5, image.height() / 2 + 0.5);
    peintre_.scale(1, -1);
}

void Trace::couleur(const QColor &couleur) { couleur_ = couleur; }

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

namespace {
const QRgb Blanc = qRgb(255, 255, 255);

QRgb Pixel(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return qRgb(p[0], p[1], p[2]);
}

void Peindre(QImage &image, int x, int y, QRgb couleur)
{
    uchar *p = image.scanLine(y) + 3 * x;
    p[0] = uchar(qRed(couleur));
    p[1] = uchar(qGreen(couleur));
    p[2] = uchar(qBlue(couleur));
}

// Top-left corner of the 2 × 2 square to paint so that pixel (x, y) gets one of its colour: of the
// four squares that hold it, the one with most of its colour and nothing but white besides.
// Nothing when the pixel already has its square or when every square touches another colour.
std::optional<QPoint> CarreACompleter(const QImage &image, int x, int y)
{
    const QRgb couleur = Pixel(image, x, y);
    std::optional<QPoint> choisi;
    int meilleur = -1;
    for (int gauche = x - 1; gauche <= x; ++gauche) {
        for (int haut = y - 1; haut <= y; ++haut) {
            if (gauche < 0 || haut < 0 || gauche + 1 >= image.width() || haut + 1 >= image.height())
                continue;
            int deLaCouleur = 0;
            bool libre = true;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const QRgb voisin = Pixel(image, gauche + i, haut + j);
                    deLaCouleur += voisin == couleur;
                    libre = libre && (voisin == couleur || voisin == Blanc);
                }
            if (deLaCouleur == 4)
                return std::nullopt;
            if (libre && deLaCouleur > meilleur) {
                meilleur = deLaCouleur;
                choisi = QPoint(gauche, haut);
            }
        }
    }
    return choisi;
}
} // namespace

void EpaissirPixelsIsoles(QImage &image, const QList<QRgb> &couleurs)
{
    Q_ASSERT(image.format() == QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb couleur = Pixel(image, x, y);
            if (!couleurs.contains(couleur))
                continue;
            if (const auto coin = CarreACompleter(image, x, y))
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i)
                        Peindre(image, coin->x() + i, coin->y() + j, couleur);
        }
    }
}
