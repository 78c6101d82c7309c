#include "IconeVelkora.h"

#include "common/Engrenage.h"

#include <QPainter>

namespace {

const QColor Fond(0x1d, 0x3b, 0x5c);
const QColor Roue(0xec, 0xf4, 0xff);
const QColor Moyeu(0xff, 0xc8, 0x57);
constexpr double ArrondiFond = 44;
constexpr double MargeFond = 8;

// Sized so that the tips of the teeth keep a margin inside the square.
QPainterPath Roue18() { return ProfilEngrenage(18, 11.5, 26, 5); }

QPainterPath Centree(const QPainterPath &chemin)
{
    return chemin.translated(CoteIconeReference / 2.0, CoteIconeReference / 2.0);
}

QString Nombre(double v) { return QString::number(v, 'f', 2); }

// The path as SVG path data; the gear's arcs are already flattened or cubic, which SVG takes as is.
QString DonneesChemin(const QPainterPath &chemin)
{
    QString d;
    for (int i = 0; i < chemin.elementCount(); ++i) {
        const QPainterPath::Element e = chemin.elementAt(i);
        if (e.isMoveTo())
            d += u'M';
        else if (e.isLineTo())
            d += u'L';
        else if (e.type == QPainterPath::CurveToElement)
            d += u'C';
        else
            d += u' '; // the two control points that follow a curve
        d += Nombre(e.x) + u',' + Nombre(e.y);
    }
    return d;
}

} // namespace

QImage DessinerIcone(int cote)
{
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(cote) / CoteIconeReference, double(cote) / CoteIconeReference);
    p.setPen(Qt::NoPen);
    p.setBrush(Fond);
    const double cote256 = CoteIconeReference - 2 * MargeFond;
    p.drawRoundedRect(QRectF(MargeFond, MargeFond, cote256, cote256), ArrondiFond, ArrondiFond);
    p.setBrush(Roue);
    p.drawPath(Centree(Roue18()));
    p.setBrush(Moyeu);
    p.drawEllipse(QPointF(CoteIconeReference / 2.0, CoteIconeReference / 2.0), 14, 14);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray IconeSvg()
{
    const double cote = CoteIconeReference - 2 * MargeFond;
    const double centre = CoteIconeReference / 2.0;
    const QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                       "  <rect x=\"%2\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" fill=\"%5\"/>\n"
                       "  <path fill-rule=\"evenodd\" fill=\"%6\" d=\"%7\"/>\n"
                       "  <circle cx=\"%8\" cy=\"%8\" r=\"14\" fill=\"%9\"/>\n"
                       "</svg>\n")
            .arg(CoteIconeReference)
            .arg(Nombre(MargeFond), Nombre(cote), Nombre(ArrondiFond), Fond.name(), Roue.name(),
                 DonneesChemin(Centree(Roue18())), Nombre(centre), Moyeu.name());
    return svg.toUtf8();
}
