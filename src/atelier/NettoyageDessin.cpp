#include "atelier/NettoyageDessin.h"

#include "atelier/VueOpenCv.h"
#include "common/ImageFeuille.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <vector>

QImage SeuillerDessin(const QImage &gris, int seuil)
{
    Q_ASSERT(gris.format() == QImage::Format_Grayscale8);
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
    cv::Mat vue = VueOpenCv(masque);
    cv::Mat encre;
    cv::bitwise_not(vue, encre);
    cv::Mat etiquettes, stats, centres;
    const int nombre = cv::connectedComponentsWithStats(encre, etiquettes, stats, centres, 8, CV_32S);
    std::vector<unsigned char> poussiere(std::size_t(nombre), 0);
    bool aucune = true;
    for (int i = 1; i < nombre; ++i)
        if (stats.at<int>(i, cv::CC_STAT_AREA) < aireMin) {
            poussiere[std::size_t(i)] = 1;
            aucune = false;
        }
    if (aucune)
        return;
    for (int y = 0; y < vue.rows; ++y) {
        const std::int32_t *ligne = etiquettes.ptr<std::int32_t>(y);
        unsigned char *pixels = vue.ptr<unsigned char>(y);
        for (int x = 0; x < vue.cols; ++x)
            if (poussiere[std::size_t(ligne[x])])
                pixels[x] = 255;
    }
}

QImage TraitNoirSurBlanc(const QImage &masque)
{
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
