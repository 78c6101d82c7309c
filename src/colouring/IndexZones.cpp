#include "colouring/IndexZones.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_map>

namespace {

inline TColor lirePixel(const uchar *p) { return TColor(p[0]) | (TColor(p[1]) << 8) | (TColor(p[2]) << 16); }

void remplirTrait(uchar *ligne, int x0, int x1, Rvb rvb)
{
    uchar *p = ligne + 3 * x0;
    for (int x = x0; x < x1; ++x, p += 3) {
        p[0] = rvb.rouge;
        p[1] = rvb.vert;
        p[2] = rvb.bleu;
    }
}

// The number of pixels from the one at octets[debut] on that share its colour, within n bytes of
// row. Pixels k and k + 1 are equal when each of their bytes equals the one three bytes further, so
// the run ends at the first byte that differs from the one three bytes further on.
int longueurTrait(const uchar *ligne, qsizetype debut, qsizetype n)
{
    qsizetype t = 0;
    const qsizetype limite = n - debut - 3; // bytes that have a byte three further on
    for (; t + 8 <= limite; t += 8) {
        std::uint64_t a;
        std::uint64_t b;
        std::memcpy(&a, ligne + debut + t, 8);
        std::memcpy(&b, ligne + debut + t + 3, 8);
        if (const std::uint64_t difference = a ^ b; difference != 0)
            return int((t + std::countr_zero(difference) / 8) / 3 + 1);
    }
    for (; t < limite; ++t) {
        if (ligne[debut + t] != ligne[debut + t + 3])
            return int(t / 3 + 1);
    }
    return int(limite / 3 + 1);
}

} // namespace

IndexZones::IndexZones(const QImage &trame, const std::vector<TColor> &couleurZone, std::int32_t nombreZones)
{
    const std::int32_t dernier = std::clamp<std::int32_t>(nombreZones, 0, std::int32_t(couleurZone.size()) - 1);
    groupeDeZone_.assign(std::size_t(std::max(dernier, 0) + 1), -1);
    std::unordered_map<TColor, int> groupeDeCouleur;
    for (std::int32_t n = 1; n <= dernier; ++n) {
        const TColor cle = couleurZone[std::size_t(n)];
        if (cle == clWhite || cle == clBlack)
            continue;
        const auto [entree, nouvelle] = groupeDeCouleur.try_emplace(cle, int(traits_.size()));
        if (nouvelle) {
            traits_.emplace_back();
            cleDeGroupe_.push_back(cle);
        }
        groupeDeZone_[std::size_t(n)] = entree->second;
    }
    if (traits_.empty() || trame.format() != QImage::Format_RGB888)
        return;

    // Long runs of one colour are the rule on a zone map: a run is found by comparing whole pixels,
    // and the colour's group is looked up once per run.
    const int largeur = trame.width();
    const qsizetype octets = qsizetype(largeur) * 3;
    TColor derniereCouleur = clWhite;
    int dernierGroupe = -1;
    debutLigne_.assign(std::size_t(trame.height()) + 1, 0);
    for (int y = 0; y < trame.height(); ++y) {
        const uchar *ligne = trame.constScanLine(y);
        int x = 0;
        while (x < largeur) {
            const TColor couleur = lirePixel(ligne + 3 * x);
            const int fin = x + longueurTrait(ligne, qsizetype(x) * 3, octets);
            if (couleur != derniereCouleur) {
                derniereCouleur = couleur;
                const auto trouve =
                    couleur == clWhite || couleur == clBlack ? groupeDeCouleur.end() : groupeDeCouleur.find(couleur);
                dernierGroupe = trouve == groupeDeCouleur.end() ? -1 : trouve->second;
            }
            if (dernierGroupe >= 0) {
                traits_[std::size_t(dernierGroupe)].push_back({y, x, fin});
                ligne_.push_back({x, fin, dernierGroupe});
            }
            x = fin;
        }
        debutLigne_[std::size_t(y) + 1] = std::uint32_t(ligne_.size());
    }
    cadres_.reserve(traits_.size());
    for (const std::vector<Trait> &traits : traits_) {
        if (traits.empty()) {
            cadres_.emplace_back();
            continue;
        }
        int gauche = traits.front().x0;
        int droite = traits.front().x1;
        for (const Trait &t : traits) {
            gauche = std::min(gauche, t.x0);
            droite = std::max(droite, t.x1);
        }
        cadres_.emplace_back(QPoint(gauche, traits.front().y), QPoint(droite - 1, traits.back().y));
    }
}

int IndexZones::groupe(std::int32_t zone) const
{
    if (zone < 1 || std::size_t(zone) >= groupeDeZone_.size())
        return -1;
    return groupeDeZone_[std::size_t(zone)];
}

std::span<const Trait> IndexZones::Traits(std::int32_t zone) const
{
    const int g = groupe(zone);
    if (g < 0)
        return {};
    return traits_[std::size_t(g)];
}

QRect IndexZones::Cadre(std::int32_t zone) const
{
    const int g = groupe(zone);
    if (g < 0 || std::size_t(g) >= cadres_.size())
        return {};
    return cadres_[std::size_t(g)];
}

void IndexZones::Peindre(QImage &image, std::int32_t zone, TColor couleur) const
{
    const std::span<const Trait> traits = Traits(zone);
    if (traits.empty() || image.format() != QImage::Format_RGB888)
        return;
    const Rvb rvb = CouleurVersRvb(couleur);
    for (const Trait &t : traits) {
        if (t.y < image.height() && t.x1 <= image.width())
            remplirTrait(image.scanLine(t.y), t.x0, t.x1, rvb);
    }
}

std::optional<TColor> IndexZones::CleEn(QPoint point) const
{
    if (point.y() < 0 || std::size_t(point.y()) + 1 >= debutLigne_.size())
        return std::nullopt;
    const auto debut = ligne_.begin() + debutLigne_[std::size_t(point.y())];
    const auto fin = ligne_.begin() + debutLigne_[std::size_t(point.y()) + 1];
    const auto apres = std::upper_bound(debut, fin, point.x(), [](int x, const TraitDeLigne &t) { return x < t.x0; });
    if (apres == debut || point.x() >= std::prev(apres)->x1)
        return std::nullopt;
    return cleDeGroupe_[std::size_t(std::prev(apres)->groupe)];
}

int NumeroZone(const std::vector<TColor> &couleurZone, std::int32_t nombreZones, TColor couleur)
{
    if (couleur == clWhite || couleur == clBlack)
        return -1;
    const std::int32_t dernier = std::min<std::int32_t>(nombreZones, std::int32_t(couleurZone.size()) - 1);
    for (std::int32_t n = 1; n <= dernier; ++n) {
        if (couleurZone[std::size_t(n)] == couleur)
            return n;
    }
    return -1;
}

std::optional<TColor> CouleurPixel(const QImage &image, QPoint position)
{
    if (image.format() != QImage::Format_RGB888 || !image.rect().contains(position))
        return std::nullopt;
    return lirePixel(image.constScanLine(position.y()) + 3 * position.x());
}

QImage ComposerAffichage(const QImage &zone, const QImage &plan, TColor transparent,
                         std::span<const Trait> surbrillance, const QRect &rectangle)
{
    const QRect r = rectangle & zone.rect() & plan.rect();
    QImage tuile(rectangle.size(), QImage::Format_RGB888);
    tuile.fill(Qt::white);
    if (r.isEmpty() || zone.format() != QImage::Format_RGB888 || plan.format() != QImage::Format_RGB888)
        return tuile;
    const Rvb rvbTransparent = CouleurVersRvb(transparent);
    const Rvb gris = CouleurVersRvb(GrisSurbrillance);
    const QPoint decalage = r.topLeft() - rectangle.topLeft();
    auto trait = std::lower_bound(surbrillance.begin(), surbrillance.end(), r.top(),
                                  [](const Trait &t, int y) { return t.y < y; });
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar *sortie = tuile.scanLine(y - rectangle.top()) + 3 * decalage.x();
        std::memcpy(sortie, zone.constScanLine(y) + 3 * r.left(), std::size_t(r.width()) * 3);
        for (; trait != surbrillance.end() && trait->y == y; ++trait) {
            const int x0 = std::max(trait->x0, r.left());
            const int x1 = std::min(trait->x1, r.right() + 1);
            if (x0 < x1)
                remplirTrait(sortie, x0 - r.left(), x1 - r.left(), gris);
        }
        const uchar *p = plan.constScanLine(y) + 3 * r.left();
        for (int i = 0; i < r.width(); ++i, p += 3) {
            if (p[0] != rvbTransparent.rouge || p[1] != rvbTransparent.vert || p[2] != rvbTransparent.bleu)
                std::memcpy(sortie + 3 * i, p, 3);
        }
    }
    return tuile;
}
