#include "atelier/TrouverZones.h"

#include "atelier/Composantes.h"
#include "atelier/Hachures.h"
#include "atelier/NettoyageDessin.h"

#include <algorithm>
#include <climits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

void Remplir(std::int32_t *debut, std::int32_t *fin, std::int32_t valeur)
{
#ifdef __SSE2__
    const __m128i quatre = _mm_set1_epi32(valeur);
    for (; fin - debut >= 4; debut += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(debut), quatre);
#endif
    std::fill(debut, fin, valeur);
}

void EcrireSansCache(const std::int32_t *source, std::int32_t *destination, int nombre)
{
    int i = 0;
#ifdef __SSE2__
    while (i < nombre && reinterpret_cast<std::uintptr_t>(destination + i) % 16 != 0) {
        destination[i] = source[i];
        ++i;
    }
    for (; i + 4 <= nombre; i += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(destination + i),
                         _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + i)));
#endif
    std::copy(source + i, source + nombre, destination + i);
}

} // namespace

ZonesDessin TrouverZones(const QImage &masque, const ReglagesZones &reglages)
{
    ZonesDessin zones;
    TrouverZones(masque, reglages, zones);
    return zones;
}

void TrouverZones(const QImage &masque, const ReglagesZones &reglages, ZonesDessin &zones)
{
    if (!masque.isNull() && masque.format() != QImage::Format_Grayscale8) {
        TrouverZones(MasqueDuTrait(masque), reglages, zones);
        return;
    }
    const int largeur = masque.width(), hauteur = masque.height();
    zones.taille = masque.size();
    zones.nombre = 0;
    // Every entry is written below: a table of the right size is kept as it is.
    zones.etiquettes.resize(std::size_t(largeur) * std::size_t(hauteur));
    if (masque.isNull())
        return;
    const Composantes blancs = TrouverComposantes(masque, false, false);
    const std::int32_t nombre = blancs.nombre;

    std::vector<std::uint8_t> fond(std::size_t(nombre), 0);
    for (int y = 0; y < hauteur; ++y) {
        const Passage *passages = blancs.rangee(y);
        const std::size_t n = blancs.passagesRangee(y);
        if (y == 0 || y == hauteur - 1) {
            for (std::size_t i = 0; i < n; ++i)
                fond[std::size_t(passages[i].composante)] = 1;
        } else if (n > 0) {
            fond[std::size_t(passages[0].composante)] |= passages[0].x0 == 0;
            fond[std::size_t(passages[n - 1].composante)] |= passages[n - 1].x1 == largeur;
        }
    }
    std::vector<std::int32_t> section;
    if (reglages.reunirHachures && nombre > 2)
        section = SectionsHachurees(masque, blancs, fond, reglages);
    const auto tete = [&section](std::int32_t i) { return section.empty() ? i : section[std::size_t(i)]; };

    // A section's area is the sum of its strips'; its number comes from its first strip, the smallest label.
    std::vector<std::int64_t> aire(std::size_t(nombre), 0);
    for (std::int32_t i = 0; i < nombre; ++i)
        aire[std::size_t(tete(i))] += blancs.aires[std::size_t(i)];
    std::vector<std::int32_t> numero(std::size_t(nombre), 0);
    for (std::int32_t i = 0; i < nombre; ++i) {
        const std::int32_t t = tete(i);
        if (t == i && !fond[std::size_t(i)] && aire[std::size_t(i)] >= reglages.aireMin)
            numero[std::size_t(i)] = ++zones.nombre;
        numero[std::size_t(i)] = numero[std::size_t(t)];
    }
    // Each row is made in a buffer that stays in the cache, then written out past it: the table is not read
    // back into the cache only to be overwritten.
    std::vector<std::int32_t> ligne(static_cast<std::size_t>(largeur));
    for (int y = 0; y < hauteur; ++y) {
        int x = 0;
        const Passage *passages = blancs.rangee(y);
        for (std::size_t i = 0, n = blancs.passagesRangee(y); i < n; ++i) {
            Remplir(ligne.data() + x, ligne.data() + passages[i].x0, 0);
            Remplir(ligne.data() + passages[i].x0, ligne.data() + passages[i].x1,
                    numero[std::size_t(passages[i].composante)]);
            x = passages[i].x1;
        }
        Remplir(ligne.data() + x, ligne.data() + largeur, 0);
        EcrireSansCache(ligne.data(), zones.etiquettes.data() + std::size_t(y) * std::size_t(largeur), largeur);
    }
#ifdef __SSE2__
    _mm_sfence(); // the stores past the cache are done before the table is read
#endif
}

IndexZonesDessin IndexerZones(const ZonesDessin &zones)
{
    IndexZonesDessin index;
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
