#include "atelier/EditionRangee.h"

namespace {

template <typename T>
void Ajouter(std::vector<std::pair<T, std::uint32_t>> &suites, T valeur)
{
    if (!suites.empty() && suites.back().first == valeur)
        ++suites.back().second;
    else
        suites.emplace_back(valeur, 1u);
}

} // namespace

EditionRangee RangerEdition(const EditionZones &edition)
{
    const QImage &image = edition.trait();
    const ZonesDessin &zones = edition.zones();
    EditionRangee rangee{zones.taille, edition.aireMin(), zones.nombre, {}, {}};
    for (int y = 0; y < image.height(); ++y) {
        const uchar *pixel = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 3)
            Ajouter(rangee.trait, std::uint32_t(pixel[0]) << 16 | std::uint32_t(pixel[1]) << 8 | pixel[2]);
    }
    for (const std::int32_t zone : zones.etiquettes)
        Ajouter(rangee.etiquettes, zone);
    rangee.trait.shrink_to_fit();
    rangee.etiquettes.shrink_to_fit();
    return rangee;
}

EditionZones ReprendreEdition(const EditionRangee &rangee)
{
    QImage trait(rangee.taille, QImage::Format_RGB888);
    int x = 0, y = 0;
    uchar *p = trait.isNull() ? nullptr : trait.scanLine(0);
    for (const auto &[couleur, n] : rangee.trait)
        for (std::uint32_t i = 0; i < n && y < trait.height(); ++i) {
            *p++ = uchar(couleur >> 16);
            *p++ = uchar(couleur >> 8);
            *p++ = uchar(couleur);
            if (++x == trait.width() && ++y < trait.height()) {
                x = 0;
                p = trait.scanLine(y);
            }
        }
    ZonesDessin zones{rangee.taille, {}, rangee.nombre};
    zones.etiquettes.reserve(std::size_t(rangee.taille.width()) * std::size_t(rangee.taille.height()));
    for (const auto &[zone, n] : rangee.etiquettes)
        zones.etiquettes.insert(zones.etiquettes.end(), n, zone);
    return EditionZones(std::move(trait), std::move(zones), rangee.aireMin);
}
