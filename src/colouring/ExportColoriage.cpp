#include "colouring/ExportColoriage.h"

#include "common/Pixels24Bits.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <cstring>

namespace {

// The coloured layer ANDed with the drawing, in one pass that writes each byte once, into the
// picture given when it can take it.
QImage combiner(const QImage &zone, const QImage &plan, QImage image)
{
    if (zone.format() != QImage::Format_RGB888 || plan.format() != QImage::Format_RGB888 || zone.size() != plan.size())
        return {};
    if (image.size() != zone.size() || image.format() != QImage::Format_RGB888 || !image.isDetached())
        image = QImage(zone.size(), QImage::Format_RGB888);
    const qsizetype octets = qsizetype(zone.width()) * 3;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *a = zone.constScanLine(y);
        const uchar *b = plan.constScanLine(y);
        uchar *sortie = image.scanLine(y);
        fpti::EtOctets(a, b, sortie, octets);
    }
    return image;
}

// Writes the lines, black on white, each with its top-left corner at its point. The text is drawn on
// a copy of the band it covers, so that the rest of the picture is not touched.
void ecrire(QImage &image, const QList<QPair<QPoint, QString>> &lignes)
{
    const QFont police = QGuiApplication::font();
    const QFontMetrics mesures(police);
    QRect bande;
    for (const auto &[coin, texte] : lignes)
        bande |= QRect(coin, mesures.size(Qt::TextSingleLine, texte));
    bande &= image.rect();
    if (bande.isEmpty())
        return;
    QImage morceau = image.copy(bande).convertToFormat(QImage::Format_RGB32);
    {
        QPainter peintre(&morceau);
        peintre.setFont(police);
        peintre.setPen(Qt::black);
        for (const auto &[coin, texte] : lignes) {
            const QRect cadre(coin - bande.topLeft(), mesures.size(Qt::TextSingleLine, texte));
            peintre.fillRect(cadre, Qt::white);
            peintre.drawText(cadre, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
        }
    }
    morceau.convertTo(QImage::Format_RGB888);
    for (int y = 0; y < bande.height(); ++y)
        std::memcpy(image.scanLine(bande.top() + y) + 3 * bande.left(), morceau.constScanLine(y),
                    std::size_t(bande.width()) * 3);
}
} // namespace

QImage ImageExportee(const QImage &zone, const QImage &plan, bool fini, ModeColoriage mode,
                     const QList<std::int32_t> &trouves, QImage tampon)
{
    QImage image = combiner(zone, plan, std::move(tampon));
    if (!fini && !image.isNull())
        ecrire(image, {{QPoint(4, 4), PremiereLigneExport()}, {QPoint(4, 20), SecondeLigneExport(mode, trouves)}});
    return image;
}
