#include "atelier/LectureChiffres.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int Colonnes = 8;
constexpr int Rangees = 12;
constexpr int Echantillons = 4; // per cell and direction
constexpr double PoidsForme = 0.08;
constexpr double EcartMax = 0.05; // a glyph farther from every figure is none
constexpr double AvanceMin = 2.0; // the second figure must be this many times farther than the first
constexpr int HauteurModele = 72; // pixels of the figures drawn as models

// A glyph as it is compared: the share of ink in each cell of a grid laid over its box, and its shape.
struct Signature {
    std::array<float, Colonnes * Rangees> encre{};
    double forme = 0; // log of width over height
};

Signature Signer(const GlypheChiffre &g)
{
    Signature s;
    for (int r = 0; r < Rangees; ++r) {
        for (int c = 0; c < Colonnes; ++c) {
            int encre = 0;
            for (int j = 0; j < Echantillons; ++j) {
                const int y = int((r + (j + 0.5) / Echantillons) * g.hauteur / Rangees);
                for (int i = 0; i < Echantillons; ++i) {
                    const int x = int((c + (i + 0.5) / Echantillons) * g.largeur / Colonnes);
                    encre += g.encre[std::size_t(y) * std::size_t(g.largeur) + std::size_t(x)];
                }
            }
            s.encre[std::size_t(r * Colonnes + c)] = float(encre) / float(Echantillons * Echantillons);
        }
    }
    s.forme = std::log(double(g.largeur) / double(g.hauteur));
    // Blurred, so that a stroke a little thicker or a little aside, as lettering differs, stays close.
    const auto flou = [](std::array<float, Colonnes * Rangees> &e, int pas, int n, int autre, int pasAutre) {
        for (int a = 0; a < autre; ++a) {
            std::array<float, std::max(Colonnes, Rangees)> ligne{};
            for (int k = 0; k < n; ++k) {
                const float gauche = e[std::size_t(a * pasAutre + std::max(k - 1, 0) * pas)];
                const float droite = e[std::size_t(a * pasAutre + std::min(k + 1, n - 1) * pas)];
                ligne[std::size_t(k)] = (gauche + 2 * e[std::size_t(a * pasAutre + k * pas)] + droite) / 4;
            }
            for (int k = 0; k < n; ++k)
                e[std::size_t(a * pasAutre + k * pas)] = ligne[std::size_t(k)];
        }
    };
    flou(s.encre, 1, Colonnes, Rangees, Colonnes);
    flou(s.encre, Colonnes, Rangees, Colonnes, 1);
    return s;
}

double Ecart(const Signature &a, const Signature &b)
{
    double somme = 0;
    for (std::size_t k = 0; k < a.encre.size(); ++k) {
        const double d = a.encre[k] - b.encre[k];
        somme += d * d;
    }
    const double forme = a.forme - b.forme;
    return somme / double(a.encre.size()) + PoidsForme * forme * forme;
}

// The ink of a picture in grey, cut to its box; empty when it has none.
GlypheChiffre Decouper(const QImage &image)
{
    int gauche = image.width(), droite = -1, haut = image.height(), bas = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *ligne = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (ligne[x] < 128) {
                gauche = std::min(gauche, x), droite = std::max(droite, x);
                haut = std::min(haut, y), bas = std::max(bas, y);
            }
        }
    }
    GlypheChiffre g;
    if (droite < 0)
        return g;
    g.largeur = droite - gauche + 1;
    g.hauteur = bas - haut + 1;
    g.encre.resize(std::size_t(g.largeur) * std::size_t(g.hauteur));
    for (int y = 0; y < g.hauteur; ++y) {
        const uchar *ligne = image.constScanLine(haut + y) + gauche;
        for (int x = 0; x < g.largeur; ++x)
            g.encre[std::size_t(y) * std::size_t(g.largeur) + std::size_t(x)] = ligne[x] < 128;
    }
    return g;
}

struct Modele {
    int chiffre;
    Signature signature;
};

// The figures of the sans-serif typefaces drawings are lettered in, those this machine has; DejaVu Sans is
// always among them, as the program's own sheets use it.
std::vector<Modele> FaireModeles()
{
    const QStringList familles{QStringLiteral("DejaVu Sans"),      QStringLiteral("Liberation Sans"),
                               QStringLiteral("Nimbus Sans"),      QStringLiteral("Arial"),
                               QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                               QStringLiteral("osifont"),          QStringLiteral("Noto Sans")};
    std::vector<Modele> modeles;
    for (const QString &famille : familles) {
        QFont police(famille);
        // The machine's font for a family it lacks is another, named with its foundry: "Nimbus Sans [urw]".
        const QString trouvee = QFontInfo(police).family().section(QStringLiteral(" ["), 0, 0);
        if (famille != familles.front() && trouvee.compare(famille, Qt::CaseInsensitive) != 0)
            continue;
        police.setPixelSize(HauteurModele);
        for (const bool gras : {false, true}) {
            for (const bool penche : {false, true}) {
                police.setBold(gras);
                police.setItalic(penche);
                for (const double chasse : {1.0, 0.8}) { // the narrow lettering of many drawings
                    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
                        QImage image(2 * HauteurModele, 2 * HauteurModele, QImage::Format_Grayscale8);
                        image.fill(255);
                        QPainter p(&image);
                        p.setFont(police);
                        p.setPen(Qt::black);
                        p.scale(chasse, 1);
                        p.drawText(HauteurModele / 2, 3 * HauteurModele / 2, QString::number(chiffre));
                        p.end();
                        const GlypheChiffre g = Decouper(image);
                        if (g.largeur > 0)
                            modeles.push_back({chiffre, Signer(g)});
                    }
                }
            }
        }
    }
    return modeles;
}

} // namespace

int LireChiffre(const GlypheChiffre &glyphe)
{
    if (glyphe.largeur <= 0 || glyphe.hauteur <= 0 ||
        glyphe.encre.size() != std::size_t(glyphe.largeur) * std::size_t(glyphe.hauteur))
        return -1;
    static const std::vector<Modele> modeles = FaireModeles();
    const Signature s = Signer(glyphe);
    std::array<double, 10> plusProche;
    plusProche.fill(std::numeric_limits<double>::infinity());
    for (const Modele &m : modeles)
        plusProche[std::size_t(m.chiffre)] = std::min(plusProche[std::size_t(m.chiffre)], Ecart(s, m.signature));
    const auto premier = std::min_element(plusProche.begin(), plusProche.end());
    double second = std::numeric_limits<double>::infinity();
    for (auto it = plusProche.begin(); it != plusProche.end(); ++it)
        if (it != premier)
            second = std::min(second, *it);
    if (*premier > EcartMax || second < AvanceMin * *premier)
        return -1;
    return int(premier - plusProche.begin());
}
