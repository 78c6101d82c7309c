#include "atelier/TrouverBulles.h"

#include "atelier/LectureChiffres.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int ChiffresMax = 4; // a repère is at most 1000
constexpr double PartRondeMin = 0.85;

bool Noir(const QImage &trait, int x, int y) { return trait.constScanLine(y)[3 * x] < 128; }

// The ink inside a zone: what lies between the zone's first and last pixel on each row of its box and is
// black. The circle around it is left out, being outside those spans; the holes of the figures are white.
struct EncreInterieure {
    QRect cadre;
    std::vector<std::uint8_t> encre; // cadre.width() × cadre.height()
    bool ronde = false;              // each row's span is a circle's chord
};

EncreInterieure Interieur(const QImage &trait, const ZonesDessin &zones, std::int32_t zone, QRect cadre)
{
    EncreInterieure e{cadre, std::vector<std::uint8_t>(std::size_t(cadre.width()) * std::size_t(cadre.height()), 0)};
    const double rayon = (cadre.width() + cadre.height()) / 4.0;
    const double cx = cadre.x() + (cadre.width() - 1) / 2.0;
    const double cy = cadre.y() + (cadre.height() - 1) / 2.0;
    const double tolerance = std::max(1.5, 0.12 * rayon);
    int rondes = 0;
    for (int y = cadre.top(); y <= cadre.bottom(); ++y) {
        int premier = -1, dernier = -1;
        for (int x = cadre.left(); x <= cadre.right(); ++x) {
            if (zones.zone(x, y) == zone) {
                premier = premier < 0 ? x : premier;
                dernier = x;
            }
        }
        const double dy = y - cy;
        const double demiCorde = std::sqrt(std::max(0.0, rayon * rayon - dy * dy));
        if (premier < 0) {
            rondes += demiCorde <= tolerance;
            continue;
        }
        rondes += std::abs((dernier - premier + 1) / 2.0 - demiCorde) <= tolerance &&
                  std::abs((premier + dernier) / 2.0 - cx) <= tolerance;
        std::uint8_t *ligne = e.encre.data() + std::size_t(y - cadre.y()) * std::size_t(cadre.width());
        for (int x = premier + 1; x < dernier; ++x)
            ligne[x - cadre.x()] = zones.zone(x, y) != zone && Noir(trait, x, y);
    }
    e.ronde = rondes >= PartRondeMin * cadre.height();
    return e;
}

// A connected piece of ink (8-connected), by its box and its pixels.
struct Tache {
    QRect cadre;
    std::vector<int> pixels; // indexes into the ink table
};

std::vector<Tache> Taches(std::vector<std::uint8_t> encre, int largeur)
{
    const int hauteur = int(encre.size()) / largeur;
    std::vector<Tache> taches;
    for (std::size_t depart = 0; depart < encre.size(); ++depart) {
        if (!encre[depart])
            continue;
        Tache t;
        std::vector<int> pile{int(depart)};
        encre[depart] = 0;
        while (!pile.empty()) {
            const int i = pile.back();
            pile.pop_back();
            t.pixels.push_back(i);
            const int x = i % largeur, y = i / largeur;
            t.cadre |= QRect(x, y, 1, 1);
            for (int vy = std::max(0, y - 1); vy <= std::min(hauteur - 1, y + 1); ++vy)
                for (int vx = std::max(0, x - 1); vx <= std::min(largeur - 1, x + 1); ++vx) {
                    const std::size_t v = std::size_t(vy) * std::size_t(largeur) + std::size_t(vx);
                    if (encre[v]) {
                        encre[v] = 0;
                        pile.push_back(int(v));
                    }
                }
        }
        taches.push_back(std::move(t));
    }
    return taches;
}

// The pieces of ink side by side as figures: a figure broken in two keeps its pieces one above the other.
std::vector<Tache> Figures(std::vector<Tache> taches)
{
    std::sort(taches.begin(), taches.end(), [](const Tache &a, const Tache &b) { return a.cadre.x() < b.cadre.x(); });
    std::vector<Tache> figures;
    for (Tache &t : taches) {
        if (!figures.empty()) {
            Tache &f = figures.back();
            const int recouvrement = std::min(f.cadre.right(), t.cadre.right()) - t.cadre.left() + 1;
            if (10 * recouvrement >= 3 * std::min(f.cadre.width(), t.cadre.width())) {
                f.cadre |= t.cadre;
                f.pixels.insert(f.pixels.end(), t.pixels.begin(), t.pixels.end());
                continue;
            }
        }
        figures.push_back(std::move(t));
    }
    return figures;
}

GlypheChiffre Glyphe(const Tache &figure, int largeur)
{
    GlypheChiffre g{figure.cadre.width(), figure.cadre.height(),
                    std::vector<std::uint8_t>(std::size_t(figure.cadre.width()) * std::size_t(figure.cadre.height()))};
    for (const int i : figure.pixels)
        g.encre[std::size_t(i / largeur - figure.cadre.y()) * std::size_t(g.largeur) +
                std::size_t(i % largeur - figure.cadre.x())] = 1;
    return g;
}

std::optional<int> Numero(const EncreInterieure &interieur)
{
    const QRect &cadre = interieur.cadre;
    const double diametre = (cadre.width() + cadre.height()) / 2.0;
    std::vector<Tache> taches = Taches(interieur.encre, cadre.width());
    // Dust is a few pixels; the thinnest figure, a 1, has a good share of the ink of the largest.
    std::size_t plusGrande = 0;
    for (const Tache &t : taches)
        plusGrande = std::max(plusGrande, t.pixels.size());
    const std::size_t tacheMin =
        std::max<std::size_t>(3, std::max(plusGrande / 6, std::size_t(diametre * diametre / 800)));
    std::erase_if(taches, [&](const Tache &t) { return t.pixels.size() < tacheMin; });
    const std::vector<Tache> figures = Figures(std::move(taches));
    if (figures.empty() || figures.size() > std::size_t(ChiffresMax))
        return std::nullopt;
    QRect ensemble;
    int hauteur = 0;
    for (const Tache &f : figures) {
        ensemble |= f.cadre;
        hauteur = std::max(hauteur, f.cadre.height());
    }
    const QPointF milieu = QRectF(ensemble).center() - QPointF((cadre.width() - 1) / 2.0, (cadre.height() - 1) / 2.0);
    if (hauteur < 0.3 * diametre || hauteur > 0.85 * diametre || std::abs(milieu.x()) > 0.15 * diametre ||
        std::abs(milieu.y()) > 0.15 * diametre)
        return std::nullopt;
    int numero = 0;
    for (const Tache &f : figures) {
        if (4 * f.cadre.height() < 3 * hauteur)
            return std::nullopt;
        const int chiffre = LireChiffre(Glyphe(f, cadre.width()));
        if (chiffre < 0 || (numero == 0 && chiffre == 0))
            return std::nullopt;
        numero = 10 * numero + chiffre;
    }
    return numero;
}

} // namespace

std::vector<BulleTrouvee> TrouverBulles(const QImage &trait, const ZonesDessin &zones, const IndexZonesDessin &index)
{
    std::vector<BulleTrouvee> bulles;
    if (trait.size() != zones.taille || trait.format() != QImage::Format_RGB888)
        return bulles;
    const int cote = std::min(zones.taille.width(), zones.taille.height());
    const int diametreMin = std::max(14, cote / 150);
    const int diametreMax = std::max(diametreMin, cote / 10);
    for (std::size_t z = 1; z < index.cadres.size() && z <= std::size_t(zones.nombre); ++z) {
        const QRect cadre = index.cadres[z];
        const int grand = std::max(cadre.width(), cadre.height());
        if (cadre.isEmpty() || grand < diametreMin || grand > diametreMax ||
            std::abs(cadre.width() - cadre.height()) > std::max(2, grand / 8))
            continue;
        const EncreInterieure interieur = Interieur(trait, zones, std::int32_t(z), cadre);
        if (!interieur.ronde)
            continue;
        if (const auto numero = Numero(interieur))
            bulles.push_back({*numero, cadre.center(), (cadre.width() + cadre.height()) / 4});
    }
    return bulles;
}
