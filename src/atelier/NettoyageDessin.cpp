#include "atelier/NettoyageDessin.h"

#include "atelier/Composantes.h"
#include "atelier/VueOpenCv.h"
#include "common/ImageFeuille.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <vector>

QImage SeuillerDessin(const QImage &gris, int seuil)
{
    if (!gris.isNull() && gris.format() != QImage::Format_Grayscale8)
        return SeuillerDessin(gris.convertToFormat(QImage::Format_Grayscale8), seuil);
    QImage masque = NouvelleImageFeuille(gris.size(), QImage::Format_Grayscale8);
    if (masque.isNull())
        return masque;
    // cv::threshold keeps a value above its threshold: "darker than seuil" is "not above seuil - 1".
    cv::threshold(VueOpenCv(gris), VueOpenCv(masque), std::clamp(seuil, 0, 256) - 1, 255, cv::THRESH_BINARY);
    return masque;
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
    if (!masque.isNull() && masque.format() != QImage::Format_Grayscale8)
        return TraitNoirSurBlanc(MasqueDuTrait(masque));
    QImage trait = NouvelleImageFeuille(masque.size(), QImage::Format_RGB888);
    if (trait.isNull())
        return trait;
    cv::cvtColor(VueOpenCv(masque), VueOpenCv(trait), cv::COLOR_GRAY2RGB);
    return trait;
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
