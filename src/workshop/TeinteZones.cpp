#include "workshop/TeinteZones.h"

#include <QColor>

namespace {
constexpr int LargeurRayure = 2; // pixels of red in each stripe of a zone still waiting
constexpr int PasRayures = 10;
} // namespace

QRgb TeinteNumero(int numero, int saturation)
{
    // The golden angle keeps consecutive numbers far apart on the wheel.
    const int teinte = int((long long)numero * 13750 / 100 % 360);
    return QColor::fromHsv(teinte, saturation, 250).rgb();
}

void TeinterZones(QImage &teinte, const QImage &trait, const ZonesDessin &zones, const TeintesZones &teintes,
                  QRect cadre)
{
    cadre &= teinte.rect() & trait.rect() & QRect(QPoint(0, 0), zones.taille);
    if (cadre.isEmpty() || teinte.format() != QImage::Format_RGB888 || trait.format() != QImage::Format_RGB888)
        return;
    const std::size_t largeur = std::size_t(zones.taille.width());
    const std::int32_t connues = std::int32_t(std::min(teintes.couleur.size(), teintes.marquee.size()));
    for (int y = cadre.top(); y <= cadre.bottom(); ++y) {
        const uchar *source = trait.constScanLine(y);
        uchar *cible = teinte.scanLine(y);
        const std::int32_t *etiquettes = zones.etiquettes.data() + std::size_t(y) * largeur;
        for (int x = cadre.left(); x <= cadre.right(); ++x) {
            const std::int32_t z = etiquettes[x];
            uchar *pixel = cible + 3 * x;
            if (z <= 0 || z >= connues || source[3 * x] == 0) {
                pixel[0] = source[3 * x];
                pixel[1] = source[3 * x + 1];
                pixel[2] = source[3 * x + 2];
                continue;
            }
            if (teintes.marquee[std::size_t(z)]) {
                // Across, so that the stripes are not taken for a section's hatching.
                const bool rayure = y % PasRayures < LargeurRayure;
                pixel[0] = rayure ? 220 : 255;
                pixel[1] = rayure ? 0 : 215;
                pixel[2] = rayure ? 0 : 215;
                continue;
            }
            const QRgb c = teintes.couleur[std::size_t(z)];
            pixel[0] = uchar(qRed(c));
            pixel[1] = uchar(qGreen(c));
            pixel[2] = uchar(qBlue(c));
        }
    }
}
