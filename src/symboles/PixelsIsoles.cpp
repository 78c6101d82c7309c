#include "symboles/PixelsIsoles.h"

#include <QPoint>
#include <optional>

namespace symboles {

namespace {
const QRgb Blanc = qRgb(255, 255, 255);

QRgb Pixel(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return qRgb(p[0], p[1], p[2]);
}

void Peindre(QImage &image, int x, int y, QRgb couleur)
{
    uchar *p = image.scanLine(y) + 3 * x;
    p[0] = uchar(qRed(couleur));
    p[1] = uchar(qGreen(couleur));
    p[2] = uchar(qBlue(couleur));
}

// Top-left corner of the 2 × 2 square to paint so that pixel (x, y) gets one of its colour: of the
// four squares that hold it, the one with most of its colour and nothing but white besides.
// Nothing when the pixel already has its square or when every square touches another colour.
std::optional<QPoint> CarreACompleter(const QImage &image, int x, int y)
{
    const QRgb couleur = Pixel(image, x, y);
    std::optional<QPoint> choisi;
    int meilleur = -1;
    for (int gauche = x - 1; gauche <= x; ++gauche) {
        for (int haut = y - 1; haut <= y; ++haut) {
            if (gauche < 0 || haut < 0 || gauche + 1 >= image.width() || haut + 1 >= image.height())
                continue;
            int deLaCouleur = 0;
            bool libre = true;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const QRgb voisin = Pixel(image, gauche + i, haut + j);
                    deLaCouleur += voisin == couleur;
                    libre = libre && (voisin == couleur || voisin == Blanc);
                }
            if (deLaCouleur == 4)
                return std::nullopt;
            if (libre && deLaCouleur > meilleur) {
                meilleur = deLaCouleur;
                choisi = QPoint(gauche, haut);
            }
        }
    }
    return choisi;
}
} // namespace

void EpaissirPixelsIsoles(QImage &image, const QList<QRgb> &couleurs)
{
    // The loops read three bytes a pixel.
    if (image.format() != QImage::Format_RGB888)
        return;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb couleur = Pixel(image, x, y);
            if (!couleurs.contains(couleur))
                continue;
            if (const auto coin = CarreACompleter(image, x, y))
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i)
                        Peindre(image, coin->x() + i, coin->y() + j, couleur);
        }
    }
}

} // namespace symboles
