#include "diagram/ZoneTraits.h"

#include "common/Pixels24Bits.h"

#include <algorithm>
#include <cstring>

using fpti::OctetsParPixel;

namespace {

inline std::uint32_t Lire(const uchar *p) { return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16); }

// A row of width pixels of one colour, to compare rows with and to fill them from.
std::vector<uchar> LigneUnie(Rvb couleur, int largeur)
{
    std::vector<uchar> ligne(std::size_t(OctetsParPixel) * std::size_t(std::max(largeur, 0)));
    for (std::size_t i = 0; i < ligne.size(); i += OctetsParPixel) {
        ligne[i] = couleur.rouge;
        ligne[i + 1] = couleur.vert;
        ligne[i + 2] = couleur.bleu;
    }
    return ligne;
}

} // namespace

ZoneTraits::ZoneTraits(const QImage &calque, const QRect &zone, Rvb surface)
    : zone_(zone.intersected(calque.rect())), surface_(surface)
{
    if (calque.format() != fpti::Format24Bits || zone_.isEmpty())
        return;
    const std::vector<uchar> vide = LigneUnie(surface, zone_.width());
    const std::uint32_t valeurSurface = Lire(vide.data());
    for (int y = zone_.top(); y <= zone_.bottom(); ++y) {
        const uchar *ligne = calque.constScanLine(y) + std::size_t(OctetsParPixel) * std::size_t(zone_.left());
        if (std::memcmp(ligne, vide.data(), vide.size()) == 0)
            continue;
        for (int x = 0; x < zone_.width();) {
            const std::uint32_t couleur = Lire(ligne + std::size_t(OctetsParPixel) * std::size_t(x));
            int fin = x + 1;
            while (fin < zone_.width() && Lire(ligne + std::size_t(OctetsParPixel) * std::size_t(fin)) == couleur)
                ++fin;
            if (couleur != valeurSurface)
                segments_.push_back({y, zone_.left() + x, fin - x, couleur});
            x = fin;
        }
    }
    segments_.shrink_to_fit();
}

void ZoneTraits::Poser(QImage &calque) const
{
    const QRect z = zone_.intersected(calque.rect());
    if (calque.format() != fpti::Format24Bits || z.isEmpty())
        return;
    const std::vector<uchar> vide = LigneUnie(surface_, z.width());
    for (int y = z.top(); y <= z.bottom(); ++y)
        std::memcpy(calque.scanLine(y) + std::size_t(OctetsParPixel) * std::size_t(z.left()), vide.data(), vide.size());
    for (const Segment &s : segments_) {
        const int debut = std::max(s.x, z.left());
        const int fin = std::min(s.x + s.longueur, z.right() + 1);
        if (s.y > z.bottom() || debut >= fin)
            continue;
        uchar *p = calque.scanLine(s.y) + std::size_t(OctetsParPixel) * std::size_t(debut);
        for (int x = debut; x < fin; ++x, p += OctetsParPixel) {
            p[0] = uchar(s.couleur);
            p[1] = uchar(s.couleur >> 8);
            p[2] = uchar(s.couleur >> 16);
        }
    }
}

qsizetype ZoneTraits::octets() const { return qsizetype(sizeof(*this) + segments_.capacity() * sizeof(Segment)); }
