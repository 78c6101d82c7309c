#include "support/ComparaisonImages.h"

namespace {

QImage Flou(const QImage &image)
{
    QImage flou(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, v = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (image.rect().contains(x + dx, y + dy)) {
                        const QRgb p = image.pixel(x + dx, y + dy);
                        r += qRed(p), v += qGreen(p), b += qBlue(p), ++n;
                    }
            flou.setPixel(x, y, qRgb(r / n, v / n, b / n));
        }
    return flou;
}

} // namespace

int PixelsDifferents(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + b.width() * b.height();
    const QImage fa = Flou(a), fb = Flou(b);
    const auto ecart = [](QRgb u, QRgb v) {
        return qAbs(qRed(u) - qRed(v)) + qAbs(qGreen(u) - qGreen(v)) + qAbs(qBlue(u) - qBlue(v));
    };
    // A pixel of one counts when nothing within a pixel of it in the other is like it.
    const auto seuls = [&](const QImage &u, const QImage &v) {
        int seuls = 0;
        for (int y = 0; y < u.height(); ++y)
            for (int x = 0; x < u.width(); ++x) {
                int meilleur = 3 * 255;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (v.rect().contains(x + dx, y + dy))
                            meilleur = std::min(meilleur, ecart(u.pixel(x, y), v.pixel(x + dx, y + dy)));
                seuls += meilleur > 150;
            }
        return seuls;
    };
    return seuls(fa, fb) + seuls(fb, fa);
}
