#include "diagram/Quadrillage.h"

#include "common/Pixels24Bits.h"

namespace {

// Integer division truncated towards zero, as the snapping rule asks for negative points too.
int SurPoint(int v) { return (v / PasQuadrillage) * PasQuadrillage + PasQuadrillage / 2 - 1; }

int SurCroisement(int v)
{
    // The greatest multiple not above v, then up when the remainder passes half the pitch.
    int s =
        v >= 0 ? v / PasQuadrillage * PasQuadrillage : -((-v + PasQuadrillage - 1) / PasQuadrillage) * PasQuadrillage;
    if (2 * (v - s) > PasQuadrillage)
        s += PasQuadrillage;
    return s;
}

} // namespace

void PositionSurQuadrillage(QPoint &point) { point = QPoint(SurPoint(point.x()), SurPoint(point.y())); }

void PositionLiaisonSurQuadrillage(QPoint &position)
{
    position = QPoint(SurCroisement(position.x()), SurCroisement(position.y()));
}

void QuadrillageImage(QImage &image, TColor couleurPoint, TColor couleurFond)
{
    if (!fpti::Convertir24Bits(image) || image.isNull())
        return;
    const Rvb point = CouleurVersRvb(couleurPoint);
    const Rvb fond = CouleurVersRvb(couleurFond);
    const int largeur = image.width();
    const int hauteur = image.height();
    const auto peindre = [&image](QPoint p, Rvb couleur) {
        uchar *pixel = image.scanLine(p.y()) + fpti::OctetsParPixel * p.x();
        pixel[0] = couleur.rouge;
        pixel[1] = couleur.vert;
        pixel[2] = couleur.bleu;
    };
    for (int i = 0; i <= largeur / PasQuadrillage; ++i) {
        for (int j = 0; j <= hauteur / PasQuadrillage; ++j) {
            QPoint p(i * PasQuadrillage, j * PasQuadrillage);
            PositionSurQuadrillage(p);
            if (!image.rect().contains(p))
                continue;
            const uchar *pixel = image.constScanLine(p.y()) + fpti::OctetsParPixel * p.x();
            if (Rvb{pixel[0], pixel[1], pixel[2]} == fond)
                peindre(p, point);
        }
    }
    peindre(QPoint(0, hauteur - 1), fond);
}
