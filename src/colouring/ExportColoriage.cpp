#include "colouring/ExportColoriage.h"

#include "common/FPti.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {
void ecrire(QPainter &peintre, QPoint coin, const QString &texte)
{
    const QFontMetrics mesures(peintre.font());
    const QRect cadre(coin, mesures.size(Qt::TextSingleLine, texte));
    peintre.fillRect(cadre, Qt::white);
    peintre.drawText(cadre, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
}
} // namespace

QImage ImageExportee(const QImage &zone, const QImage &plan, bool fini, ModeColoriage mode,
                     const QList<std::int32_t> &trouves)
{
    QImage image;
    CopierBmp(zone, image, OperationRaster::CopieSource);
    image.detach();
    CopierBmp(plan, image, OperationRaster::EtSource);
    if (!fini && !image.isNull()) {
        QPainter peintre(&image);
        peintre.setFont(QGuiApplication::font());
        peintre.setPen(Qt::black);
        ecrire(peintre, QPoint(4, 4), PremiereLigneExport());
        ecrire(peintre, QPoint(4, 20), SecondeLigneExport(mode, trouves));
    }
    return image;
}
