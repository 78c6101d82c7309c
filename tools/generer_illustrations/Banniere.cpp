#include "Illustrations.h"
#include "common/Engrenage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace {

const QColor Trait(236, 244, 255);
const QColor TraitDiscret(236, 244, 255, 60);
const QColor Accent(255, 200, 87);
constexpr int FinDessin = 772 - LargeurZoneNom; // where the plain part begins

QFont Police(int pixels, bool gras)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

QPen StyloAxe(const QColor &couleur)
{
    QPen stylo(couleur, 1, Qt::CustomDashLine, Qt::FlatCap);
    stylo.setDashPattern({14, 3, 2, 3});
    return stylo;
}

void Pointe(QPainter &p, QPointF pointe, QPointF direction)
{
    const double l = std::hypot(direction.x(), direction.y());
    const QPointF u = direction / l;
    const QPointF n(-u.y(), u.x());
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Trait);
    p.drawPolygon(QPolygonF({pointe, pointe - u * 9 + n * 3, pointe - u * 9 - n * 3}));
    p.restore();
}

void Fond(QPainter &p)
{
    QLinearGradient bleu(0, 0, FinDessin, 215);
    bleu.setColorAt(0, QColor(28, 84, 142));
    bleu.setColorAt(1, QColor(18, 58, 104));
    p.fillRect(QRect(0, 0, FinDessin + 60, 215), bleu);

    for (int x = 0; x <= FinDessin + 60; x += 12) {
        p.setPen(QPen(QColor(255, 255, 255, x % 60 == 0 ? 34 : 14), 1));
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 215));
    }
    for (int y = 0; y <= 215; y += 12) {
        p.setPen(QPen(QColor(255, 255, 255, y % 60 == 0 ? 34 : 14), 1));
        p.drawLine(QPointF(0, y + 0.5), QPointF(FinDessin + 60, y + 0.5));
    }

    // The plain part, joined to the drawing by a short blend: a layer of the dark ground whose
    // opacity rises from the drawing to the plain part.
    const qreal ratio = p.device()->devicePixelRatioF();
    QImage nuit(TailleBanniere * ratio, QImage::Format_ARGB32_Premultiplied);
    nuit.setDevicePixelRatio(ratio);
    nuit.fill(Qt::transparent);
    {
        QPainter n(&nuit);
        QLinearGradient vertical(0, 0, 0, 215);
        vertical.setColorAt(0, QColor(13, 37, 68));
        vertical.setColorAt(1, QColor(8, 25, 47));
        n.fillRect(QRect(FinDessin - 40, 0, LargeurZoneNom + 40, 215), vertical);
        QLinearGradient fondu(FinDessin - 40, 0, FinDessin + 20, 0);
        fondu.setColorAt(0, QColor(0, 0, 0, 0));
        fondu.setColorAt(1, QColor(0, 0, 0, 255));
        n.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        n.fillRect(nuit.rect(), fondu);
    }
    p.drawImage(0, 0, nuit);

    // A large gear barely showing through the plain part.
    p.save();
    p.translate(772 + 36, 215 + 24);
    p.rotate(7);
    p.fillPath(ProfilEngrenage(24, 11, 40, 6), QColor(255, 255, 255, 8));
    p.restore();
}

void Titre(QPainter &p)
{
    p.setFont(Police(42, true));
    p.setPen(Trait);
    p.drawText(QPointF(26, 60), QStringLiteral("Velkora"));
    p.setFont(Police(14, false));
    p.setPen(QColor(186, 214, 246));
    p.drawText(QPointF(28, 84), QStringLiteral("Du plan technique au schéma cinématique"));
    p.setPen(QPen(Accent, 1.5));
    p.drawLine(QPointF(28, 94), QPointF(210, 94));
}

// A stepped shaft in side view with its keyway, centre line and two dimensions.
void Arbre(QPainter &p)
{
    const double axe = 158;
    struct Troncon {
        double debut, fin, rayon;
    };
    const Troncon troncons[] = {{30, 64, 10}, {64, 124, 14}, {124, 134, 18}, {134, 196, 12}, {196, 240, 9}};
    QPainterPath contour;
    for (const Troncon &t : troncons)
        contour.addRect(QRectF(t.debut, axe - t.rayon, t.fin - t.debut, 2 * t.rayon));
    contour = contour.simplified();
    p.fillPath(contour, QColor(255, 255, 255, 34));
    p.strokePath(contour, QPen(Trait, 1.6));
    p.setPen(QPen(Trait, 1.2));
    for (const Troncon &t : troncons) {
        p.drawLine(QPointF(t.debut, axe - t.rayon), QPointF(t.debut, axe + t.rayon));
    }
    // Keyway seen from above, thread at the end.
    p.drawRoundedRect(QRectF(74, axe - 4, 40, 8), 4, 4);
    p.setPen(QPen(Trait, 0.8));
    p.drawLine(QPointF(206, axe - 7.5), QPointF(240, axe - 7.5));
    p.drawLine(QPointF(206, axe + 7.5), QPointF(240, axe + 7.5));
    p.setPen(StyloAxe(Trait));
    p.drawLine(QPointF(20, axe), QPointF(250, axe));

    // Overall length.
    const double y = 194;
    p.setPen(QPen(TraitDiscret, 1));
    p.drawLine(QPointF(30, axe + 12), QPointF(30, y + 6));
    p.drawLine(QPointF(240, axe + 11), QPointF(240, y + 6));
    p.setPen(QPen(Trait, 1));
    p.drawLine(QPointF(30, y), QPointF(240, y));
    Pointe(p, QPointF(30, y), QPointF(-1, 0));
    Pointe(p, QPointF(240, y), QPointF(1, 0));
    p.setFont(Police(12, false));
    p.drawText(QRectF(110, y - 16, 50, 14), Qt::AlignCenter, QStringLiteral("210"));

    // Diameter of the bearing seat.
    p.setPen(QPen(Trait, 1));
    p.drawLine(QPointF(94, axe - 14), QPointF(94, axe - 40));
    Pointe(p, QPointF(94, axe - 14), QPointF(0, 1));
    p.drawLine(QPointF(94, axe - 40), QPointF(140, axe - 40));
    p.drawText(QPointF(100, axe - 44), QStringLiteral("Ø28 k6"));
}

void Engrenages(QPainter &p)
{
    const QPointF roue(372, 128);
    constexpr int dentsRoue = 20;
    constexpr int dentsPignon = 12;
    constexpr double module = 5;
    const double entraxe = RayonPrimitif(dentsRoue, module) + RayonPrimitif(dentsPignon, module);
    const double angle = qDegreesToRadians(155.0);
    const QPointF pignon = roue + QPointF(entraxe * std::cos(angle), entraxe * std::sin(angle));

    // Construction lines: centre lines running off the sheet, pitch circles, line of centres.
    p.setPen(StyloAxe(TraitDiscret));
    p.drawLine(QPointF(250, roue.y()), QPointF(FinDessin + 10, roue.y()));
    p.drawLine(QPointF(roue.x(), 0), QPointF(roue.x(), 215));
    p.drawLine(pignon - QPointF(46, 0), pignon + QPointF(46, 0));
    p.drawLine(pignon - QPointF(0, 46), pignon + QPointF(0, 46));
    p.drawLine(roue, pignon);
    p.setBrush(Qt::NoBrush);
    for (const auto &[centre, dents] : {std::pair{roue, dentsRoue}, std::pair{pignon, dentsPignon}})
        p.drawEllipse(centre, RayonPrimitif(dents, module), RayonPrimitif(dents, module));

    const double phasePignon = qRadiansToDegrees(angle) + 180.0 - 180.0 / dentsPignon;
    const struct {
        QPointF centre;
        double angle;
        QPainterPath profil;
        QColor remplissage;
        QColor contour;
    } roues[] = {
        {roue, qRadiansToDegrees(angle), ProfilEngrenage(dentsRoue, module, 11, 5, 6), QColor(255, 255, 255, 38),
         Trait},
        {pignon, phasePignon, ProfilEngrenage(dentsPignon, module, 7, 0, 4), QColor(255, 200, 87, 70), Accent},
    };
    for (const auto &r : roues)
        DessinerEngrenage(p, r.profil, r.centre, r.angle, r.remplissage, r.contour);
    p.setPen(QPen(Trait, 1));
    p.setFont(Police(11, false));
    p.drawText(QPointF(roue.x() - 62, 30), QStringLiteral("Z = 20   m = 5"));
}

} // namespace

QImage DessinerBanniere(qreal ratio)
{
    QImage image(TailleBanniere * ratio, QImage::Format_RGB888);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Fond(p);
    p.setClipRect(QRect(0, 0, FinDessin, 215));
    Engrenages(p);
    Arbre(p);
    Titre(p);
    p.setClipping(false);
    // Sheet border of the drawing part.
    p.setPen(QPen(QColor(236, 244, 255, 80), 1));
    p.drawLine(QPointF(6.5, 6.5), QPointF(FinDessin - 30, 6.5));
    p.drawLine(QPointF(6.5, 208.5), QPointF(FinDessin - 30, 208.5));
    p.drawLine(QPointF(6.5, 6.5), QPointF(6.5, 208.5));
    return image;
}
