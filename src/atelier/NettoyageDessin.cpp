#include "atelier/NettoyageDessin.h"

#include "atelier/Composantes.h"
#include "atelier/VueOpenCv.h"
#include "common/ImageFeuille.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {

// `image` as a picture of that size and format whose pixels are its own, kept when it already is one: a
// sheet's pages are not asked of the system again at every move of a setting.
void PreparerImage(QImage &image, QSize taille, QImage::Format format)
{
    if (image.size() != taille || image.format() != format || !image.isDetached())
        image = NouvelleImageFeuille(taille, format);
}

} // namespace

QImage SeuillerDessin(const QImage &gris, int seuil)
{
    QImage masque;
    SeuillerDessin(gris, seuil, masque);
    return masque;
}

void SeuillerDessin(const QImage &gris, int seuil, QImage &masque)
{
    if (!gris.isNull() && gris.format() != QImage::Format_Grayscale8)
        return SeuillerDessin(gris.convertToFormat(QImage::Format_Grayscale8), seuil, masque);
    PreparerImage(masque, gris.size(), QImage::Format_Grayscale8);
    if (masque.isNull() || gris.isNull())
        return;
    // cv::threshold keeps a value above its threshold: "darker than seuil" is "not above seuil - 1".
    cv::threshold(VueOpenCv(gris), VueOpenCv(masque), std::clamp(seuil, 0, 256) - 1, 255, cv::THRESH_BINARY);
}

void RetirerPoussieres(QImage &masque, int aireMin)
{
    if (aireMin <= 1 || masque.isNull())
        return;
    if (masque.format() != QImage::Format_Grayscale8)
        masque = MasqueDuTrait(masque);
    const Composantes encre = TrouverComposantes(masque, true, true);
    for (int y = 0; y < masque.height(); ++y) {
        const Passage *passages = encre.rangee(y);
        for (std::size_t i = 0, n = encre.passagesRangee(y); i < n; ++i)
            if (encre.aires[std::size_t(passages[i].composante)] < aireMin)
                std::fill(masque.scanLine(y) + passages[i].x0, masque.scanLine(y) + passages[i].x1, uchar(255));
    }
}

QImage TraitNoirSurBlanc(const QImage &masque)
{
    QImage trait;
    TraitNoirSurBlanc(masque, trait);
    return trait;
}

void TraitNoirSurBlanc(const QImage &masque, QImage &trait)
{
    if (!masque.isNull() && masque.format() != QImage::Format_Grayscale8)
        return TraitNoirSurBlanc(MasqueDuTrait(masque), trait);
    PreparerImage(trait, masque.size(), QImage::Format_RGB888);
    if (trait.isNull() || masque.isNull())
        return;
    cv::cvtColor(VueOpenCv(masque), VueOpenCv(trait), cv::COLOR_GRAY2RGB);
}

QImage MasqueDuTrait(const QImage &trait)
{
    const QImage rgb = trait.format() == QImage::Format_RGB888 ? trait : trait.convertToFormat(QImage::Format_RGB888);
    QImage masque = NouvelleImageFeuille(rgb.size(), QImage::Format_Grayscale8);
    if (masque.isNull())
        return masque;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar *source = rgb.constScanLine(y);
        uchar *destination = masque.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            destination[x] = source[3 * x] >= 128 ? 255 : 0;
    }
    return masque;
}
