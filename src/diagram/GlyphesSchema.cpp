#include "diagram/GlyphesSchema.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage Blanche(int cote, qreal ratio = 1)
{
    QImage image(qRound(cote * ratio), qRound(cote * ratio), QImage::Format_RGB888);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

void Carre5(QPainter &peintre, int cx, int cy) { peintre.fillRect(cx - 2, cy - 2, 5, 5, Qt::black); }

} // namespace

QImage CadreSelection()
{
    constexpr int Bord1 = 2;
    constexpr int Bord2 = CoteCadreSelection - 3;
    constexpr int Centre = CoteCadreSelection / 2;
    QImage image = Blanche(CoteCadreSelection);
    // Dashes of three pixels, three apart, along the four sides.
    for (int i = Bord1; i <= Bord2; ++i) {
        if ((i - Bord1) % 6 >= 3)
            continue;
        for (const QPoint p : {QPoint(i, Bord1), QPoint(i, Bord2), QPoint(Bord1, i), QPoint(Bord2, i)})
            image.setPixel(p, qRgb(0, 0, 0));
    }
    QPainter peintre(&image);
    for (const int x : {Bord1, Centre, Bord2}) {
        for (const int y : {Bord1, Centre, Bord2}) {
            if (x != Centre || y != Centre)
                Carre5(peintre, x, y);
        }
    }
    Carre5(peintre, Centre, Centre);
    peintre.fillRect(Centre - 7, Centre, 15, 1, Qt::black);
    peintre.fillRect(Centre, Centre - 7, 1, 15, Qt::black);
    peintre.end();
    // The bottom-left handle reaches the corner pixel, which must stay white: it names the transparent colour.
    image.setPixel(0, CoteCadreSelection - 1, qRgb(255, 255, 255));
    return image;
}

QImage GlypheTraitDroit(qreal ratio)
{
    QImage image = Blanche(CoteGlypheOutil, ratio);
    QPainter peintre(&image);
    peintre.setPen(QPen(Qt::black, 2));
    peintre.drawLine(3, 16, 16, 3);
    return image;
}

QImage GlypheTraitMainLevee(qreal ratio)
{
    QImage image = Blanche(CoteGlypheOutil, ratio);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Qt::black, 2));
    QPainterPath courbe(QPointF(4, 16));
    courbe.cubicTo(QPointF(-2, 8), QPointF(12, 6), QPointF(10, 10));
    courbe.cubicTo(QPointF(8, 14), QPointF(22, 12), QPointF(16, 3));
    peintre.drawPath(courbe);
    return image;
}

QImage GlypheGomme(qreal ratio)
{
    QImage image = Blanche(CoteGlypheOutil, ratio);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.translate(10, 10);
    peintre.rotate(-35);
    peintre.setPen(QPen(QColor(90, 90, 90), 1));
    peintre.setBrush(QColor(235, 120, 140));
    peintre.drawRect(QRectF(-7, -4, 9, 8));
    peintre.setBrush(QColor(70, 110, 200));
    peintre.drawRect(QRectF(2, -4, 6, 8));
    return image;
}

QImage GlypheToutEffacer(qreal ratio)
{
    QImage image = Blanche(CoteGlypheOutil, ratio);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(150, 90, 40));
    peintre.drawRoundedRect(QRectF(8.5, 1, 3, 9), 1, 1);
    peintre.setBrush(QColor(170, 170, 170));
    peintre.drawRect(QRectF(7, 9, 6, 2));
    peintre.setBrush(QColor(60, 60, 60));
    QPainterPath poils(QPointF(6, 11));
    poils.lineTo(14, 11);
    poils.lineTo(16, 18);
    poils.lineTo(4, 18);
    poils.closeSubpath();
    peintre.drawPath(poils);
    return image;
}
