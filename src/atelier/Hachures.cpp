#include "atelier/Hachures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

// A hatched section is cut by its hatch lines into strips: thin, long, parallel regions of one width,
// each separated from the next by a thin straight line running along them. The strips at the ends of a
// section are cut short by its outline (triangles, trapezoids, a narrower last strip): they join the
// section when a thin line parallel to its hatching separates them from it and they are no wider across
// the hatching than its strips. A part drawn beside it, or a region of another hatching, meets the section
// across its outline: a thicker line, or one in another direction.

namespace {

constexpr double ToleranceAngle = 10.0 * std::numbers::pi / 180.0;
constexpr double AllongementBande = 3.0; // a strip is at least this many times longer than wide
constexpr double RapportLargeurs = 1.5;  // strips of one section differ in width by at most this ratio
constexpr double MargeMorceau = 1.3;     // an end piece is at most this much wider than the strips
constexpr int MembresMin = 3;            // fewer regions than this make no section

// Sums of the positions of a set of points, and of their squares and products.
struct Moments {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;

    void ajouterPoint(double x, double y)
    {
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
        syy += y * y;
    }

    // The pixels x0 … x1 - 1 of row y.
    void ajouterRangee(int x0, int x1, int y)
    {
        const auto carres = [](double m) { return m * (m + 1) * (2 * m + 1) / 6; }; // 0² + … + m²
        const double k = x1 - x0;
        const double somme = k * (x0 + x1 - 1) / 2;
        n += k;
        sx += somme;
        sy += k * y;
        sxx += carres(x1 - 1) - carres(x0 - 1);
        sxy += somme * y;
        syy += k * double(y) * y;
    }
};

// The shape a set of points makes: its main direction (radians, modulo π), its width across it and its
// length along it, as for a filled rectangle of the same spread.
struct Forme {
    double angle = 0, largeur = 0, longueur = 0, mxx = 0, mxy = 0, myy = 0;

    explicit Forme(const Moments &m)
    {
        if (m.n <= 0)
            return;
        const double cx = m.sx / m.n, cy = m.sy / m.n;
        // A pixel is a unit square: its own spread, 1/12, is added along both axes.
        mxx = m.sxx / m.n - cx * cx + 1.0 / 12;
        myy = m.syy / m.n - cy * cy + 1.0 / 12;
        mxy = m.sxy / m.n - cx * cy;
        angle = 0.5 * std::atan2(2 * mxy, mxx - myy);
        const double moyenne = (mxx + myy) / 2, ecart = std::hypot((mxx - myy) / 2, mxy);
        longueur = std::sqrt(12 * (moyenne + ecart));
        largeur = std::sqrt(12 * std::max(moyenne - ecart, 0.0));
    }

    // Width across the direction `a`.
    double largeurTravers(double a) const
    {
        const double s = std::sin(a), c = std::cos(a);
        return std::sqrt(12 * std::max(mxx * s * s - 2 * mxy * s * c + myy * c * c, 0.0));
    }

    double longueurLe(double a) const
    {
        const double s = std::sin(a), c = std::cos(a);
        return std::sqrt(12 * std::max(mxx * c * c + 2 * mxy * s * c + myy * s * s, 0.0));
    }
};

double EcartAngles(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), std::numbers::pi);
    return std::min(d, std::numbers::pi - d);
}

// Where two regions meet across a thin line: the middle of each short run of line pixels between them,
// with the run lengths along rows and along columns.
struct Contact {
    Moments milieux;
    double rangees = 0, longueurRangees = 0, colonnes = 0, longueurColonnes = 0;

    // The line's thickness, measured in whichever direction crosses it more often.
    double epaisseur(double direction) const
    {
        if (colonnes >= rangees)
            return colonnes > 0 ? longueurColonnes / colonnes * std::abs(std::cos(direction)) : 0;
        return longueurRangees / rangees * std::abs(std::sin(direction));
    }
};

struct Voisin {
    std::int32_t region; // the smaller number of the pair
    Contact contact;
};

struct Releve {
    std::vector<Moments> regions;
    std::vector<std::vector<Voisin>> voisins; // by the larger number of the pair: a region meets few others
};

// Goes once through the runs of paper, and through the columns where paper stands on a line.
class Releveur {
public:
    Releveur(const QImage &masque, const Composantes &blancs, const std::vector<std::uint8_t> &fond, int traverseeMax)
        : masque_(masque), blancs_(blancs), fond_(fond), traverseeMax_(traverseeMax), largeur_(masque.width()),
          hauteur_(masque.height())
    {
        releve_.regions.resize(std::size_t(blancs.nombre));
        releve_.voisins.resize(std::size_t(blancs.nombre));
    }

    Releve releverTout()
    {
        for (int y = 0; y < hauteur_; ++y) {
            releverRangee(y);
            if (y + 1 < hauteur_)
                releverColonnesSous(y);
        }
        return std::move(releve_);
    }

private:
    void noterContact(std::int32_t a, std::int32_t b, double x, double y, int longueur, bool dansRangee)
    {
        if (a == b || fond_[std::size_t(a)] || fond_[std::size_t(b)])
            return;
        if (a > b)
            std::swap(a, b);
        if (dernier_ == nullptr || a != derniereA_ || b != derniereB_) {
            std::vector<Voisin> &voisins = releve_.voisins[std::size_t(b)];
            const auto trouve =
                std::find_if(voisins.begin(), voisins.end(), [a](const Voisin &v) { return v.region == a; });
            dernier_ = trouve != voisins.end() ? &trouve->contact : &voisins.emplace_back(Voisin{a, {}}).contact;
            derniereA_ = a;
            derniereB_ = b;
        }
        dernier_->milieux.ajouterPoint(x, y);
        (dansRangee ? dernier_->rangees : dernier_->colonnes) += 1;
        (dansRangee ? dernier_->longueurRangees : dernier_->longueurColonnes) += longueur;
    }

    // The runs of paper of row y, and the short runs of line between them.
    void releverRangee(int y)
    {
        const Passage *passages = blancs_.rangee(y);
        const std::size_t nombre = blancs_.passagesRangee(y);
        for (std::size_t i = 0; i < nombre; ++i) {
            const Passage &p = passages[i];
            releve_.regions[std::size_t(p.composante)].ajouterRangee(p.x0, p.x1, y);
            if (i + 1 < nombre && passages[i + 1].x0 - p.x1 <= traverseeMax_)
                noterContact(p.composante, passages[i + 1].composante, (p.x1 + passages[i + 1].x0 - 1) / 2.0, y,
                             passages[i + 1].x0 - p.x1, true);
        }
    }

    // Every paper pixel of row y above a line pixel: the line is followed down its column. Columns come
    // left to right, so the run holding each pixel is found by moving forward along each row's runs.
    void releverColonnesSous(int y)
    {
        const uchar *dessus = masque_.constScanLine(y);
        const uchar *dessous = masque_.constScanLine(y + 1);
        const int rangees = std::min(traverseeMax_ + 1, hauteur_ - 1 - y); // rows y + 1 … y + rangees
        std::array<const uchar *, 32> pixels{};
        std::array<const Passage *, 32> curseur{}, fin{};
        for (int k = 0; k <= rangees && k < int(pixels.size()); ++k) {
            pixels[std::size_t(k)] = masque_.constScanLine(y + k);
            curseur[std::size_t(k)] = blancs_.rangee(y + k);
            fin[std::size_t(k)] = curseur[std::size_t(k)] + blancs_.passagesRangee(y + k);
        }
        // The run of row y + k that holds paper pixel x.
        const auto region = [&](int k, int x) {
            const Passage *&c = curseur[std::size_t(k)];
            while (c + 1 < fin[std::size_t(k)] && c->x1 <= x)
                ++c;
            return c->composante;
        };
        for (int x = 0; x < largeur_;) {
            if (x + 8 <= largeur_) {
                std::uint64_t a, b;
                std::memcpy(&a, dessus + x, 8);
                std::memcpy(&b, dessous + x, 8);
                if ((a & ~b) == 0) {
                    x += 8;
                    continue;
                }
            }
            const int finMot = std::min(x + 8, largeur_);
            for (; x < finMot; ++x) {
                if (dessus[x] == 0 || dessous[x] != 0)
                    continue;
                int k = 2;
                while (k <= rangees && pixels[std::size_t(k)][x] == 0)
                    ++k;
                if (k <= rangees)
                    noterContact(region(0, x), region(k, x), x, y + k / 2.0, k - 1, false);
            }
        }
    }

    const QImage &masque_;
    const Composantes &blancs_;
    const std::vector<std::uint8_t> &fond_;
    int traverseeMax_, largeur_, hauteur_;
    Releve releve_;
    std::int32_t derniereA_ = -1, derniereB_ = -1;
    Contact *dernier_ = nullptr;
};

std::int32_t Racine(std::vector<std::int32_t> &parent, std::int32_t i)
{
    while (parent[std::size_t(i)] != i) {
        parent[std::size_t(i)] = parent[std::size_t(parent[std::size_t(i)])];
        i = parent[std::size_t(i)];
    }
    return i;
}

void Unir(std::vector<std::int32_t> &parent, std::int32_t a, std::int32_t b)
{
    a = Racine(parent, a);
    b = Racine(parent, b);
    if (a != b)
        parent[std::size_t(std::max(a, b))] = std::min(a, b);
}

} // namespace

std::vector<std::int32_t> SectionsHachurees(const QImage &masque, const Composantes &blancs,
                                            const std::vector<std::uint8_t> &fond, const ReglagesZones &reglages)
{
    const std::int32_t nombre = blancs.nombre;
    // A line of the largest thickness crosses a row or a column in at most twice that at 30°.
    const int traverseeMax = std::clamp(2 * reglages.epaisseurHachureMax + 1, 1, 30);
    const Releve releve = Releveur(masque, blancs, fond, traverseeMax).releverTout();

    std::vector<Forme> formes;
    formes.reserve(static_cast<std::size_t>(nombre));
    std::vector<std::uint8_t> bande(std::size_t(nombre), 0);
    for (std::int32_t i = 0; i < nombre; ++i) {
        const Moments &m = releve.regions[std::size_t(i)];
        formes.emplace_back(m);
        const Forme &f = formes.back();
        bande[std::size_t(i)] = !fond[std::size_t(i)] && f.largeur <= reglages.ecartHachuresMax &&
                                f.longueur >= AllongementBande * f.largeur && m.n >= 0.7 * f.largeur * f.longueur &&
                                m.n <= 1.3 * f.largeur * f.longueur;
    }

    struct Lien {
        std::int32_t a, b;
        Forme ligne;
        double epaisseur;
    };
    std::vector<Lien> liens;
    for (std::int32_t b = 0; b < nombre; ++b)
        for (const Voisin &voisin : releve.voisins[std::size_t(b)]) {
            const Forme ligne(voisin.contact.milieux);
            const double epaisseur = voisin.contact.epaisseur(ligne.angle);
            // A hatch line is thin and straight.
            if (epaisseur > reglages.epaisseurHachureMax + 0.5 ||
                ligne.largeur > 2.0 * reglages.epaisseurHachureMax + 2)
                continue;
            liens.push_back({voisin.region, b, ligne, epaisseur});
        }

    std::vector<std::int32_t> parent(static_cast<std::size_t>(nombre));
    for (std::int32_t i = 0; i < nombre; ++i)
        parent[std::size_t(i)] = i;
    for (const Lien &lien : liens) {
        const Forme &fa = formes[std::size_t(lien.a)], &fb = formes[std::size_t(lien.b)];
        if (!bande[std::size_t(lien.a)] || !bande[std::size_t(lien.b)])
            continue;
        const bool paralleles = EcartAngles(fa.angle, fb.angle) <= ToleranceAngle &&
                                EcartAngles(fa.angle, lien.ligne.angle) <= ToleranceAngle;
        const bool memeLargeur = std::max(fa.largeur, fb.largeur) <= RapportLargeurs * std::min(fa.largeur, fb.largeur);
        const bool leLongDesBandes = lien.ligne.longueur >= 0.5 * std::min(fa.longueur, fb.longueur);
        if (paralleles && memeLargeur && leLongDesBandes)
            Unir(parent, lien.a, lien.b);
    }

    // Each section's hatching: the direction and width of its largest strip.
    std::vector<std::int32_t> bandeModele(std::size_t(nombre), -1);
    for (std::int32_t i = 0; i < nombre; ++i) {
        if (!bande[std::size_t(i)])
            continue;
        std::int32_t &modele = bandeModele[std::size_t(Racine(parent, i))];
        if (modele < 0 || releve.regions[std::size_t(i)].n > releve.regions[std::size_t(modele)].n)
            modele = i;
    }
    std::vector<std::int32_t> bandes(std::size_t(nombre), 0);
    for (std::int32_t i = 0; i < nombre; ++i)
        if (bande[std::size_t(i)])
            ++bandes[std::size_t(Racine(parent, i))];

    // End pieces join a section of at least two strips, one after the other from its strips outwards. A
    // region still alone may join: a strip narrower than the others is an end piece too.
    std::vector<std::uint8_t> seul(std::size_t(nombre), 0);
    {
        std::vector<std::int32_t> membres(std::size_t(nombre), 0);
        for (std::int32_t i = 0; i < nombre; ++i)
            ++membres[std::size_t(Racine(parent, i))];
        for (std::int32_t i = 0; i < nombre; ++i)
            seul[std::size_t(i)] = membres[std::size_t(i)] == 1 && !fond[std::size_t(i)];
    }
    for (bool encore = true; encore;) {
        encore = false;
        for (const Lien &lien : liens) {
            for (const auto &[morceau, voisin] : {std::pair{lien.a, lien.b}, std::pair{lien.b, lien.a}}) {
                const std::int32_t section = Racine(parent, voisin);
                if (bandes[std::size_t(section)] < 2 || !seul[std::size_t(morceau)])
                    continue;
                const Forme &modele = formes[std::size_t(bandeModele[std::size_t(section)])];
                const Forme &f = formes[std::size_t(morceau)];
                if (EcartAngles(lien.ligne.angle, modele.angle) > ToleranceAngle ||
                    f.largeurTravers(modele.angle) > MargeMorceau * modele.largeur + 2 ||
                    lien.ligne.longueur < 0.5 * f.longueurLe(modele.angle))
                    continue;
                seul[std::size_t(morceau)] = 0;
                Unir(parent, morceau, section);
                const std::int32_t nouvelle = Racine(parent, section);
                if (nouvelle != section) {
                    bandes[std::size_t(nouvelle)] = bandes[std::size_t(section)];
                    bandeModele[std::size_t(nouvelle)] = bandeModele[std::size_t(section)];
                }
                encore = true;
            }
        }
    }

    std::vector<std::int32_t> membres(std::size_t(nombre), 0);
    for (std::int32_t i = 0; i < nombre; ++i)
        ++membres[std::size_t(Racine(parent, i))];
    std::vector<std::int32_t> section(static_cast<std::size_t>(nombre));
    for (std::int32_t i = 0; i < nombre; ++i) {
        const std::int32_t racine = Racine(parent, i);
        section[std::size_t(i)] = membres[std::size_t(racine)] >= MembresMin ? racine : i;
    }
    return section;
}
