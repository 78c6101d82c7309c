#include "atelier/TrouverZones.h"

#include "atelier/Hachures.h"
#include "atelier/VueOpenCv.h"

#include <climits>
#include <opencv2/imgproc.hpp>

ZonesDessin TrouverZones(const QImage &masque, const ReglagesZones &reglages)
{
    Q_ASSERT(masque.format() == QImage::Format_Grayscale8);
    ZonesDessin zones;
    zones.taille = masque.size();
    if (masque.isNull())
        return zones;
    const int largeur = masque.width();
    const int hauteur = masque.height();
    zones.etiquettes.resize(std::size_t(largeur) * std::size_t(hauteur));
    // OpenCV labels straight into the zones' own table, in the order of each region's first pixel.
    cv::Mat etiquettes(hauteur, largeur, CV_32S, zones.etiquettes.data());
    cv::Mat stats, centres;
    const std::int32_t nombre =
        cv::connectedComponentsWithStats(VueOpenCv(masque), etiquettes, stats, centres, 4, CV_32S);

    std::vector<std::uint8_t> fond(std::size_t(nombre), 0);
    for (std::int32_t i = 1; i < nombre; ++i) {
        const int gauche = stats.at<int>(i, cv::CC_STAT_LEFT), haut = stats.at<int>(i, cv::CC_STAT_TOP);
        fond[std::size_t(i)] = gauche == 0 || haut == 0 || gauche + stats.at<int>(i, cv::CC_STAT_WIDTH) == largeur ||
                               haut + stats.at<int>(i, cv::CC_STAT_HEIGHT) == hauteur;
    }
    std::vector<std::int32_t> section(static_cast<std::size_t>(nombre));
    for (std::int32_t i = 0; i < nombre; ++i)
        section[std::size_t(i)] = i;
    if (reglages.reunirHachures && nombre > 2)
        section = SectionsHachurees(masque, zones.etiquettes.data(), nombre, fond, reglages);

    // A section's area is the sum of its strips'; its number comes from its first strip, the smallest label.
    std::vector<std::int64_t> aire(std::size_t(nombre), 0);
    for (std::int32_t i = 1; i < nombre; ++i)
        aire[std::size_t(section[std::size_t(i)])] += stats.at<int>(i, cv::CC_STAT_AREA);
    std::vector<std::int32_t> numero(std::size_t(nombre), 0);
    std::int32_t suivant = 0;
    for (std::int32_t i = 1; i < nombre; ++i) {
        const std::int32_t tete = section[std::size_t(i)];
        if (tete == i && !fond[std::size_t(i)] && aire[std::size_t(i)] >= reglages.aireMin)
            numero[std::size_t(i)] = ++suivant;
        numero[std::size_t(i)] = numero[std::size_t(tete)];
    }
    zones.nombre = suivant;
    for (std::int32_t &etiquette : zones.etiquettes)
        etiquette = numero[std::size_t(etiquette)];
    return zones;
}

IndexZones IndexerZones(const ZonesDessin &zones)
{
    IndexZones index;
    index.cadres.assign(std::size_t(zones.nombre) + 1, QRect());
    index.aires.assign(std::size_t(zones.nombre) + 1, 0);
    std::vector<int> gauche(index.cadres.size(), INT_MAX), droite(index.cadres.size(), -1);
    std::vector<int> haut(index.cadres.size(), INT_MAX), bas(index.cadres.size(), -1);
    const int largeur = zones.taille.width();
    for (int y = 0; y < zones.taille.height(); ++y) {
        const std::int32_t *ligne = zones.etiquettes.data() + std::size_t(y) * std::size_t(largeur);
        for (int x = 0; x < largeur;) {
            const std::int32_t zone = ligne[x];
            int fin = x + 1;
            while (fin < largeur && ligne[fin] == zone)
                ++fin;
            if (zone > 0) {
                const std::size_t z = std::size_t(zone);
                index.aires[z] += fin - x;
                gauche[z] = std::min(gauche[z], x);
                droite[z] = std::max(droite[z], fin - 1);
                haut[z] = std::min(haut[z], y);
                bas[z] = y;
            }
            x = fin;
        }
    }
    for (std::size_t z = 1; z < index.cadres.size(); ++z)
        if (droite[z] >= 0)
            index.cadres[z] = QRect(QPoint(gauche[z], haut[z]), QPoint(droite[z], bas[z]));
    return index;
}
