#include "atelier/Composantes.h"

#include <bit>
#include <cstring>

namespace {

// The first byte from x on that is not 0, or `fin`.
int PremierNonNul(const uchar *octets, int x, int fin)
{
    while (x + 8 <= fin) {
        std::uint64_t mot;
        std::memcpy(&mot, octets + x, 8);
        if (mot != 0)
            return x + std::countr_zero(mot) / 8; // little-endian: the lowest byte comes first
        x += 8;
    }
    while (x < fin && octets[x] == 0)
        ++x;
    return x;
}

int PremierNul(const uchar *octets, int x, int fin)
{
    const void *trouve = std::memchr(octets + x, 0, std::size_t(fin - x));
    return trouve ? int(static_cast<const uchar *>(trouve) - octets) : fin;
}

std::int32_t Racine(std::vector<std::int32_t> &parent, std::int32_t i)
{
    while (parent[std::size_t(i)] != i) {
        parent[std::size_t(i)] = parent[std::size_t(parent[std::size_t(i)])];
        i = parent[std::size_t(i)];
    }
    return i;
}

} // namespace

Composantes TrouverComposantes(const QImage &masque, bool encre, bool huitVoisins)
{
    static_assert(std::endian::native == std::endian::little);
    Composantes resultat;
    const int largeur = masque.width(), hauteur = masque.height();
    resultat.debutRangee.assign(std::size_t(hauteur) + 1, 0);
    std::vector<Passage> &passages = resultat.passages;
    passages.reserve(std::size_t(hauteur) * 16);
    std::vector<std::int32_t> parent;
    parent.reserve(passages.capacity());
    // Runs of two rows touch when they share a column, or with corners also when they are side by side.
    const int contact = huitVoisins ? 1 : 0;
    for (int y = 0; y < hauteur; ++y) {
        const uchar *octets = masque.constScanLine(y);
        const std::size_t debut = passages.size();
        resultat.debutRangee[std::size_t(y)] = debut;
        for (int x = 0; x < largeur;) {
            const int x0 = encre ? PremierNul(octets, x, largeur) : PremierNonNul(octets, x, largeur);
            if (x0 == largeur)
                break;
            const int x1 = encre ? PremierNonNul(octets, x0, largeur) : PremierNul(octets, x0, largeur);
            const auto id = std::int32_t(passages.size());
            passages.push_back({x0, x1, id});
            parent.push_back(id);
            x = x1;
        }
        if (y == 0)
            continue;
        // The runs of the row above that touch each run of this one, both lists in order.
        std::size_t haut = resultat.debutRangee[std::size_t(y) - 1];
        const std::size_t finHaut = debut;
        for (std::size_t i = debut; i < passages.size(); ++i) {
            const Passage &p = passages[i];
            while (haut < finHaut && passages[haut].x1 + contact <= p.x0)
                ++haut;
            std::int32_t b = Racine(parent, p.composante);
            for (std::size_t h = haut; h < finHaut && passages[h].x0 < p.x1 + contact; ++h) {
                const std::int32_t a = Racine(parent, passages[h].composante);
                // The smaller run number is the root: the first run of a group is then its root.
                if (a < b) {
                    parent[std::size_t(b)] = a;
                    b = a;
                } else if (b < a) {
                    parent[std::size_t(a)] = b;
                }
            }
        }
    }
    resultat.debutRangee[std::size_t(hauteur)] = passages.size();
    for (std::size_t i = 0; i < passages.size(); ++i) {
        const std::int32_t racine = Racine(parent, std::int32_t(i));
        Passage &p = passages[i];
        if (racine == std::int32_t(i)) {
            p.composante = resultat.nombre++;
            resultat.aires.push_back(0);
        } else {
            p.composante = passages[std::size_t(racine)].composante;
        }
        resultat.aires[std::size_t(p.composante)] += p.x1 - p.x0;
    }
    return resultat;
}
