#include "diagram/SymboleSchema.h"

#include "common/DossierProgramme.h"
#include "common/FPti.h"
#include "common/Pixels24Bits.h"
#include "diagram/Quadrillage.h"
#include "joint_graph/LiaisonNormalisee.h"

namespace {
TColor Marque(QRgb rgb) { return RvbVersCouleur({uchar(qRed(rgb)), uchar(qGreen(rgb)), uchar(qBlue(rgb))}); }
} // namespace

QString CheminSymbole(int liaison3D, int liaison2D)
{
    return DossierProgramme() + QStringLiteral("ressource/liaison/%1_%2.bmp").arg(liaison3D).arg(liaison2D);
}

QImage ImageSymbole(const QImage &catalogue, TColor couleurCe1, TColor couleurCe2, int inclinaison)
{
    QImage travail = fpti::En24Bits(catalogue).copy();
    if (travail.isNull())
        return travail;
    CopierColorBmpToColorImage(travail, travail, Marque(LiaisonNormalisee::MarqueCe1), couleurCe1);
    CopierColorBmpToColorImage(travail, travail, Marque(LiaisonNormalisee::MarqueCe2), couleurCe2);
    QImage tournee;
    RotationBmp(travail, tournee, clWhite, inclinaison);
    return tournee;
}

QImage AvecTransparence(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparente = argb.pixel(0, argb.height() - 1);
    for (int y = 0; y < argb.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (ligne[x] == transparente)
                ligne[x] = qRgba(0, 0, 0, 0);
        }
    }
    return argb;
}

QPoint PositionRelachee(QPoint cadre, QSize symbole, const QRect &zone, bool surGrille)
{
    QPoint p = cadre;
    if (p.x() < zone.left())
        p.setX(zone.left());
    if (p.x() > zone.left() + zone.width() - symbole.width())
        p.setX(zone.left() + zone.width() - symbole.width());
    if (p.y() < zone.top())
        p.setY(zone.top());
    if (p.y() > zone.top() + zone.height() - symbole.height())
        p.setY(zone.top() + zone.height() - symbole.height());
    if (surGrille)
        PositionLiaisonSurQuadrillage(p);
    return p;
}
