#include "PagesEtau.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Oblique view: x to the right, y up, z going back up and to the right at half length.
struct Oblique {
    QPointF origine;
    double kx = 0.42;
    double ky = 0.26;

    QPointF operator()(double x, double y, double z) const { return origine + QPointF(x + z * kx, -y - z * ky); }
};

const QColor Contour(38, 48, 60);

void Face(QPainter &p, const QPolygonF &face, const QColor &couleur)
{
    p.setPen(QPen(Contour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(couleur);
    p.drawPolygon(face);
}

// A box seen from the front, the top and the right.
void Boite(QPainter &p, const Oblique &o, double x0, double x1, double y0, double y1, double z0, double z1,
           const QColor &couleur)
{
    Face(p, QPolygonF({o(x0, y0, z0), o(x1, y0, z0), o(x1, y1, z0), o(x0, y1, z0)}), couleur);
    Face(p, QPolygonF({o(x0, y1, z0), o(x1, y1, z0), o(x1, y1, z1), o(x0, y1, z1)}), couleur.lighter(135));
    Face(p, QPolygonF({o(x1, y0, z0), o(x1, y0, z1), o(x1, y1, z1), o(x1, y1, z0)}), couleur.darker(140));
}

QPolygonF EnveloppeConvexe(std::vector<QPointF> points)
{
    std::sort(points.begin(), points.end(),
              [](const QPointF &a, const QPointF &b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    const auto tourne = [](const QPointF &o, const QPointF &a, const QPointF &b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> h(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && tourne(h[k - 2], h[k - 1], points[i]) <= 0)
            --k;
        h[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && tourne(h[k - 2], h[k - 1], points[i - 1]) <= 0)
            --k;
        h[k++] = points[i - 1];
    }
    h.resize(k > 0 ? k - 1 : 0);
    return QPolygonF(QList<QPointF>(h.begin(), h.end()));
}

// A cylinder along x, its right end visible.
void CylindreX(QPainter &p, const Oblique &o, double x0, double x1, double y, double z, double r, const QColor &couleur)
{
    std::vector<QPointF> points;
    QPolygonF bout;
    for (int i = 0; i < 48; ++i) {
        const double t = 2 * M_PI * i / 48;
        const double dy = r * std::sin(t);
        const double dz = r * std::cos(t);
        points.push_back(o(x0, y + dy, z + dz));
        points.push_back(o(x1, y + dy, z + dz));
        bout << o(x1, y + dy, z + dz);
    }
    const QPolygonF enveloppe = EnveloppeConvexe(points);
    QLinearGradient degrade(o(x0, y + r, z), o(x0, y - r, z));
    degrade.setColorAt(0, couleur.lighter(150));
    degrade.setColorAt(0.45, couleur);
    degrade.setColorAt(1, couleur.darker(160));
    p.setPen(QPen(Contour, 1.2));
    p.setBrush(degrade);
    p.drawPolygon(enveloppe);
    p.setBrush(couleur.lighter(120));
    p.drawPolygon(bout);
}

// A cylinder along y, its top end visible.
void CylindreY(QPainter &p, const Oblique &o, double x, double y0, double y1, double z, double r, const QColor &couleur)
{
    std::vector<QPointF> points;
    QPolygonF haut;
    for (int i = 0; i < 48; ++i) {
        const double t = 2 * M_PI * i / 48;
        const double dx = r * std::cos(t);
        const double dz = r * std::sin(t);
        points.push_back(o(x + dx, y0, z + dz));
        points.push_back(o(x + dx, y1, z + dz));
        haut << o(x + dx, y1, z + dz);
    }
    QLinearGradient degrade(o(x - r, y0, z), o(x + r, y0, z));
    degrade.setColorAt(0, couleur.darker(130));
    degrade.setColorAt(0.35, couleur.lighter(150));
    degrade.setColorAt(1, couleur.darker(170));
    p.setPen(QPen(Contour, 1.2));
    p.setBrush(degrade);
    p.drawPolygon(EnveloppeConvexe(points));
    p.setBrush(couleur.lighter(120));
    p.drawPolygon(haut);
}

void Boule(QPainter &p, QPointF centre, double r, const QColor &couleur)
{
    QRadialGradient degrade(centre + QPointF(-r / 3, -r / 3), r * 1.3);
    degrade.setColorAt(0, couleur.lighter(170));
    degrade.setColorAt(1, couleur.darker(150));
    p.setPen(QPen(Contour, 1.2));
    p.setBrush(degrade);
    p.drawEllipse(centre, r, r);
}

void Legende(QPainter &p, QPointF ou, const QString &texte, int taille = 13, bool gras = false)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(taille);
    police.setBold(gras);
    p.setFont(police);
    p.setPen(QColor(27, 39, 51));
    p.drawText(ou, texte);
}

void FlecheCouleur(QPainter &p, QPointF queue, QPointF pointe, const QColor &couleur)
{
    const QPointF v = pointe - queue;
    const double l = std::hypot(v.x(), v.y());
    const QPointF u = v / l;
    const QPointF n(-u.y(), u.x());
    p.setPen(QPen(couleur, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(queue, pointe - u * 8);
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPolygon(QPolygonF({pointe, pointe - u * 14 + n * 7, pointe - u * 14 - n * 7}));
}

} // namespace

QImage ImageVueEtau()
{
    QImage image(460, 300, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const Oblique o{QPointF(40, 232)};
    const QColor fonte(74, 111, 148);
    const QColor acier(190, 196, 204);
    const QColor trempe(70, 76, 86);

    // Shadow on the table.
    QRadialGradient ombre(o(190, 0, 55), 230);
    ombre.setColorAt(0, QColor(0, 0, 0, 60));
    ombre.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ombre);
    p.drawEllipse(o(190, 0, 55), 230, 34);

    // Body: base, fixed jaw, slideways with the screw between them, end wall.
    Boite(p, o, 0, 330, 0, 28, 0, 110, fonte);
    Boite(p, o, 0, 60, 28, 125, 0, 110, fonte);
    Boite(p, o, 60, 300, 28, 45, 80, 110, fonte);
    CylindreX(p, o, 60, 300, 40, 55, 10, acier);
    Boite(p, o, 60, 168, 28, 45, 0, 30, fonte);
    Boite(p, o, 60, 66, 82, 122, 6, 104, trempe);

    // The workpiece, then the mobile jaw with its own jaw plate.
    Boite(p, o, 66, 163, 82, 112, 28, 82, QColor(222, 170, 70));
    Boite(p, o, 163, 169, 82, 122, 6, 104, trempe);
    Boite(p, o, 169, 232, 45, 125, -6, 116, fonte);
    Boite(p, o, 232, 300, 28, 45, 0, 30, fonte);
    Boite(p, o, 300, 330, 28, 62, 15, 95, fonte);

    // Screw head and lever with its two ends.
    CylindreX(p, o, 330, 362, 45, 55, 15, acier);
    CylindreY(p, o, 348, -8, 112, 55, 4.5, acier);
    Boule(p, o(348, 112, 55), 8, acier);
    Boule(p, o(348, -8, 55), 8, acier);

    Legende(p, QPointF(14, 24), QStringLiteral("Mors fixe"));
    Legende(p, QPointF(190, 24), QStringLiteral("Mors mobile"));
    Legende(p, QPointF(330, 90), QStringLiteral("Levier"));
    Legende(p, QPointF(60, 290), QStringLiteral("Pièce serrée"));
    p.setPen(QPen(QColor(27, 39, 51), 1));
    p.drawLine(QPointF(48, 28), o(30, 125, 55));
    p.drawLine(QPointF(232, 28), o(200, 125, 55));
    p.drawLine(QPointF(352, 94), o(348, 80, 55) + QPointF(4, 0));
    p.drawLine(QPointF(100, 278), o(112, 92, 28));
    return image;
}

QImage ImageMouvementEtau()
{
    QImage image(480, 240, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor fonte(74, 111, 148);
    const QColor bronze(196, 140, 60);
    const QColor acier(170, 178, 188);
    const double axe = 140;

    // Body: floor, fixed jaw, bearing wall.
    p.setPen(QPen(Contour, 1.5));
    p.setBrush(fonte.lighter(160));
    p.drawRect(QRectF(20, 196, 380, 20));
    p.drawRect(QRectF(20, 60, 40, 136));
    p.drawRect(QRectF(370, 112, 30, 84));

    // Screw with its thread, nut and mobile jaw.
    QLinearGradient degrade(0, axe - 10, 0, axe + 10);
    degrade.setColorAt(0, acier.lighter(140));
    degrade.setColorAt(1, acier.darker(140));
    p.setBrush(degrade);
    p.drawRect(QRectF(70, axe - 10, 350, 20));
    p.setPen(QPen(Contour, 1));
    for (double x = 76; x < 360; x += 8)
        p.drawLine(QPointF(x, axe - 10), QPointF(x + 5, axe + 10));
    p.setPen(QPen(Contour, 1.5));
    p.setBrush(acier);
    p.drawRect(QRectF(420, axe - 16, 22, 32));
    p.drawRect(QRectF(427, axe - 58, 8, 116));
    p.setBrush(bronze);
    p.drawRect(QRectF(190, axe - 24, 70, 48));
    p.setBrush(fonte);
    p.drawRect(QRectF(180, 60, 90, 56));

    // Rotation of the lever, translation of the jaw.
    const QColor rouge(200, 40, 40);
    p.setPen(QPen(rouge, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF tour(406, axe - 40, 50, 80);
    p.drawArc(tour, 200 * 16, 140 * 16);
    const double a = qDegreesToRadians(340.0);
    const QPointF bout(tour.center().x() + 25 * std::cos(a), tour.center().y() - 40 * std::sin(a));
    FlecheCouleur(p, bout + QPointF(-6, -10), bout + QPointF(2, 2), rouge);
    FlecheCouleur(p, QPointF(280, 40), QPointF(170, 40), QColor(30, 110, 60));
    FlecheCouleur(p, QPointF(170, 40), QPointF(280, 40), QColor(30, 110, 60));

    Legende(p, QPointF(362, 234), QStringLiteral("rotation du levier"), 12);
    Legende(p, QPointF(160, 24), QStringLiteral("translation du mors mobile"), 12);
    Legende(p, QPointF(300, axe + 32), QStringLiteral("vis"), 12);
    Legende(p, QPointF(10, 54), QStringLiteral("mors fixe"), 12);
    Legende(p, QPointF(150, 211), QStringLiteral("corps"), 12);
    Legende(p, QPointF(286, 92), QStringLiteral("mors mobile"), 12);
    p.setPen(Qt::white);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(12);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRectF(190, axe + 8, 70, 16), Qt::AlignCenter, QStringLiteral("écrou"));
    return image;
}
