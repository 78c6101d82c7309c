#include "diagram/ImpressionSchema.h"

#include <QPainter>

namespace {

// The background with white where the window shows its surface colour.
QImage FondSurBlanc(QImage fond, Rvb surface)
{
    if (fond.isNull())
        return fond;
    fond = fond.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < fond.height(); ++y) {
        uchar *p = fond.scanLine(y);
        for (int x = 0; x < fond.width(); ++x, p += 3)
            if (p[0] == surface.rouge && p[1] == surface.vert && p[2] == surface.bleu)
                p[0] = p[1] = p[2] = 255;
    }
    return fond;
}

} // namespace

TravailImprime TravailSchemaCinematique(SchemaImprime schema, const QString &mecanisme, const QString &exercice)
{
    schema.fond = FondSurBlanc(std::move(schema.fond), schema.surface);
    const QSizeF taille(schema.taille);
    return {mecanisme, exercice, {}, taille, [schema = std::move(schema)](QPainter &p) {
                p.fillRect(QRect(QPoint(0, 0), schema.taille), Qt::white);
                if (!schema.fond.isNull())
                    p.drawImage(QPoint(0, 0), schema.fond);
                PeindreTraces(p, schema.traces);
                for (const SymboleTourne &s : schema.symboles)
                    PeindreSymboleTourne(p, s);
            }};
}
