#include "Illustrations.h"
#include "common/Engrenage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

QImage DessinerLogo()
{
    QImage image(TailleLogo, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(TailleLogo.width() / 2.0, TailleLogo.height() / 2.0);
    QRadialGradient fond(centre - QPointF(30, 30), 190);
    fond.setColorAt(0, QColor(52, 120, 196));
    fond.setColorAt(1, QColor(14, 50, 100));
    p.fillRect(image.rect(), fond);

    constexpr int dents = 16;
    constexpr double module = 9.5;
    const QPainterPath roue = ProfilEngrenage(dents, module, 17, 6, 9);

    p.translate(centre);
    // Soft shadow, then the steel gear lit from the top left.
    p.save();
    p.translate(4, 5);
    p.fillPath(roue, QColor(0, 0, 0, 70));
    p.restore();
    const double rayon = RayonPrimitif(dents, module) + module;
    QLinearGradient acier(QPointF(-rayon, rayon), QPointF(rayon, -rayon));
    acier.setColorAt(0, QColor(246, 248, 251));
    acier.setColorAt(0.5, QColor(196, 204, 214));
    acier.setColorAt(1, QColor(128, 138, 152));
    p.fillPath(roue, acier);
    p.strokePath(roue, QPen(QColor(26, 38, 56), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The hub's face.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(26, 38, 56, 150), 1.6));
    p.drawEllipse(QPointF(0, 0), 31, 31);
    return image;
}
