#include "diagram/CalquesSchema.h"

#include "common/Pixels24Bits.h"
#include "joint_graph/FichierGdl.h"

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

using namespace fpti;

namespace {

// A pixel as 0x00BBGGRR, in the byte order of a 24-bit row.
inline std::uint32_t Lire(const uchar *p) { return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16); }

inline void Ecrire(uchar *p, std::uint32_t v)
{
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
    p[2] = uchar(v >> 16);
}

inline std::uint32_t Valeur(Rvb c) { return c.rouge | (std::uint32_t(c.vert) << 8) | (std::uint32_t(c.bleu) << 16); }

// Eight pixels of one colour, 24 bytes, as three machine words: a block of a row is compared with it,
// or filled from it, in three operations.
struct Motif8 {
    std::array<std::uint64_t, 3> mots{};
};

Motif8 MotifDe(std::uint32_t v)
{
    std::array<uchar, 24> octets{};
    for (std::size_t i = 0; i < octets.size(); i += OctetsParPixel)
        Ecrire(octets.data() + i, v);
    Motif8 motif;
    std::memcpy(motif.mots.data(), octets.data(), octets.size());
    return motif;
}

inline bool Egal8(const uchar *p, const Motif8 &m)
{
    std::uint64_t a;
    std::uint64_t b;
    std::uint64_t c;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    return ((a ^ m.mots[0]) | (b ^ m.mots[1]) | (c ^ m.mots[2])) == 0;
}

inline void Poser8(uchar *p, const Motif8 &m) { std::memcpy(p, m.mots.data(), 24); }

// The eight pixels of a 24-byte block, read and written as three machine words.
using Pixels8 = std::array<std::uint32_t, 8>;

inline Pixels8 Extraire8(const uchar *p)
{
    std::uint64_t a;
    std::uint64_t b;
    std::uint64_t c;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    constexpr std::uint64_t M = 0xFFFFFF;
    return {std::uint32_t(a & M),         std::uint32_t((a >> 24) & M), std::uint32_t(((a >> 48) | (b << 16)) & M),
            std::uint32_t((b >> 8) & M),  std::uint32_t((b >> 32) & M), std::uint32_t(((b >> 56) | (c << 8)) & M),
            std::uint32_t((c >> 16) & M), std::uint32_t((c >> 40) & M)};
}

inline void Assembler8(uchar *p, const Pixels8 &v)
{
    const auto m = [&v](std::size_t i) { return std::uint64_t(v[i]); };
    const std::uint64_t a = m(0) | (m(1) << 24) | (m(2) << 48);
    const std::uint64_t b = (m(2) >> 16) | (m(3) << 8) | (m(4) << 32) | (m(5) << 56);
    const std::uint64_t c = (m(5) >> 8) | (m(6) << 16) | (m(7) << 40);
    std::memcpy(p, &a, 8);
    std::memcpy(p + 8, &b, 8);
    std::memcpy(p + 16, &c, 8);
}

// A row of the display: each stroke pixel that is not the surface colour, else the background's
// pixel, else (beyond the background) the surface.
void ComposerLigne(const uchar *fond, int largeurFond, const uchar *traits, uchar *ecrit, int largeur,
                   std::uint32_t surface, const Motif8 &motifSurface)
{
    int x = 0;
    for (; x + 8 <= largeurFond; x += 8) {
        const std::size_t i = std::size_t(OctetsParPixel) * std::size_t(x);
        if (Egal8(traits + i, motifSurface)) {
            std::memcpy(ecrit + i, fond + i, 24);
            continue;
        }
        for (std::size_t j = i; j < i + 24; j += OctetsParPixel)
            std::memcpy(ecrit + j, Lire(traits + j) == surface ? fond + j : traits + j, OctetsParPixel);
    }
    for (; x < largeur; ++x) {
        const std::size_t j = std::size_t(OctetsParPixel) * std::size_t(x);
        if (Lire(traits + j) != surface)
            std::memcpy(ecrit + j, traits + j, OctetsParPixel);
        else if (x < largeurFond)
            std::memcpy(ecrit + j, fond + j, OctetsParPixel);
        else
            Ecrire(ecrit + j, surface);
    }
}

} // namespace

bool ConstruireFondDessin(const QImage &trame, const QImage &plan, const std::vector<TeinteClasse> &teintes,
                          int transparence, Rvb surface, QImage &fond)
{
    const QImage t = En24Bits(trame);
    const QImage p = En24Bits(plan);
    if (t.isNull() || t.size() != p.size())
        return false;
    if (!Reutilisable(fond, t.size()))
        fond = QImage(t.size(), Format24Bits);
    if (fond.isNull())
        return false;

    // Each marking colour with what the classes, one after the other, finally make of it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> remplacements;
    for (const TeinteClasse &depart : teintes) {
        const std::uint32_t marque = Valeur(CouleurVersRvb(depart.marque));
        if (std::ranges::any_of(remplacements, [marque](const auto &r) { return r.first == marque; }))
            continue;
        std::uint32_t v = marque;
        for (const TeinteClasse &teinte : teintes) {
            if (v == Valeur(CouleurVersRvb(teinte.marque)))
                v = Valeur(CouleurVersRvb(teinte.couleur));
        }
        remplacements.emplace_back(marque, v);
    }
    // The fading of TransparenceBmp: v + (pourcentage / 100) × (v − 255), rounded half to even.
    std::array<std::uint32_t, 256> attenuation{};
    const double facteur = transparence / 100.0;
    for (int v = 0; v < 256; ++v) {
        const double r = std::nearbyint((v - 255) * facteur + v);
        attenuation[std::size_t(v)] = !(r > 0.0) ? 0 : r > 255.0 ? 255 : std::uint32_t(r);
    }
    const auto calculer = [&](std::uint32_t tv, std::uint32_t pv) {
        for (const auto &[marque, couleur] : remplacements) {
            if (tv == marque) {
                tv = couleur;
                break;
            }
        }
        const std::uint32_t a = tv & pv;
        return attenuation[a & 0xFF] | (attenuation[(a >> 8) & 0xFF] << 8) | (attenuation[a >> 16] << 16);
    };
    const int h = t.height();
    const int w = t.width();
    const std::uint32_t sol = calculer(Lire(t.constScanLine(h - 1)), Lire(p.constScanLine(h - 1)));
    const std::uint32_t valeurSurface = Valeur(surface);

    // The few pairs of a zone colour and a line colour a drawing mixes are worked out once each.
    struct Memoire {
        std::uint64_t cle = ~std::uint64_t(0);
        std::uint32_t resultat = 0;
    };
    std::array<Memoire, 64> memoire{};
    const auto pixel = [&](std::uint32_t tv, std::uint32_t pv) {
        const std::uint64_t cle = (std::uint64_t(tv) << 24) | pv;
        Memoire &case_ = memoire[((cle * 0x9E3779B97F4A7C15ull) >> 58) & 63];
        if (case_.cle != cle) {
            const std::uint32_t r = calculer(tv, pv);
            case_ = {cle, r == sol ? valeurSurface : r};
        }
        return case_.resultat;
    };

    // Drawings are flat: eight pixels of one zone colour over white in the plan take a result already
    // worked out.
    constexpr std::uint32_t Blanc = 0x00FFFFFF;
    const Motif8 planBlanc = MotifDe(Blanc);
    std::uint32_t zone = Blanc;
    std::uint32_t resultatZone = pixel(zone, Blanc);
    Motif8 motifZone = MotifDe(zone);
    Motif8 motifResultat = MotifDe(resultatZone);
    for (int y = 0; y < h; ++y) {
        const uchar *lt = t.constScanLine(y);
        const uchar *lp = p.constScanLine(y);
        uchar *ecrit = fond.scanLine(y);
        int x = 0;
        for (; x + 8 <= w; x += 8) {
            const std::size_t i = std::size_t(OctetsParPixel) * std::size_t(x);
            if (Egal8(lt + i, motifZone) && Egal8(lp + i, planBlanc)) {
                Poser8(ecrit + i, motifResultat);
                continue;
            }
            const Pixels8 tv = Extraire8(lt + i);
            const Pixels8 pv = Extraire8(lp + i);
            Pixels8 sortie;
            for (std::size_t k = 0; k < 8; ++k)
                sortie[k] = pixel(tv[k], pv[k]);
            Assembler8(ecrit + i, sortie);
            if (const std::uint32_t dernier = tv[7]; dernier != zone) {
                zone = dernier;
                resultatZone = pixel(zone, Blanc);
                motifZone = MotifDe(zone);
                motifResultat = MotifDe(resultatZone);
            }
        }
        for (; x < w; ++x) {
            const std::size_t j = std::size_t(OctetsParPixel) * std::size_t(x);
            Ecrire(ecrit + j, pixel(Lire(lt + j), Lire(lp + j)));
        }
    }
    return true;
}

void ComposerAffichage(const QImage &fond, const QImage &traits, Rvb surface, QImage &affichage, const QRect &zone)
{
    const QImage lus = En24Bits(traits);
    const QImage f = En24Bits(fond);
    QRect z = zone.intersected(lus.rect());
    if (!Reutilisable(affichage, lus.size()) || zone.isEmpty()) {
        if (!Reutilisable(affichage, lus.size()))
            affichage = QImage(lus.size(), Format24Bits);
        z = lus.rect();
    }
    if (affichage.isNull() || z.isEmpty())
        return;
    const std::uint32_t valeurSurface = Valeur(surface);
    const Motif8 motifSurface = MotifDe(valeurSurface);
    const std::size_t debut = std::size_t(OctetsParPixel) * std::size_t(z.left());
    const int largeurFond = std::clamp(f.width() - z.left(), 0, z.width());
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const bool avecFond = y < f.height() && largeurFond > 0;
        ComposerLigne(avecFond ? f.constScanLine(y) + debut : nullptr, avecFond ? largeurFond : 0,
                      lus.constScanLine(y) + debut, affichage.scanLine(y) + debut, z.width(), valeurSurface,
                      motifSurface);
    }
}

bool EcrireBmpSchema(QIODevice &sortie, const QImage &fond, const QImage &traits, bool avecFond,
                     const std::vector<SymbolePlace> &symboles, Rvb surface)
{
    const QImage t = En24Bits(traits);
    const QImage f = avecFond ? En24Bits(fond) : QImage();
    if (t.isNull())
        return false;
    const int w = t.width();
    const int h = t.height();
    const int largeurFond = std::min(w, f.width());
    const qsizetype octetsLigne = (qsizetype(w) * OctetsParPixel + 3) & ~qsizetype(3);
    constexpr qsizetype TailleEntete = 54;

    std::array<uchar, TailleEntete> entete{};
    const auto ecrire = [&entete](std::size_t position, std::uint32_t valeur, int taille) {
        for (int i = 0; i < taille; ++i)
            entete[position + std::size_t(i)] = uchar(valeur >> (8 * i));
    };
    entete[0] = 'B';
    entete[1] = 'M';
    ecrire(2, std::uint32_t(TailleEntete + octetsLigne * h), 4);
    ecrire(10, TailleEntete, 4);
    ecrire(14, 40, 4); // the header of a Windows bitmap
    ecrire(18, std::uint32_t(w), 4);
    ecrire(22, std::uint32_t(h), 4); // rows from the bottom up
    ecrire(26, 1, 2);
    ecrire(28, 24, 2);
    ecrire(34, std::uint32_t(octetsLigne * h), 4);
    ecrire(38, 3780, 4); // 96 dots per inch
    ecrire(42, 3780, 4);
    if (sortie.write(reinterpret_cast<const char *>(entete.data()), TailleEntete) != TailleEntete)
        return false;

    // A pixel as the file stores it, blue first; the surface colour saved white.
    const std::uint32_t valeurSurface = Valeur(surface);
    constexpr std::uint32_t Blanc = 0x00FFFFFF;
    const auto enFichier = [valeurSurface](std::uint32_t v) {
        return v == valeurSurface ? Blanc : ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    };
    const Motif8 motifSurface = MotifDe(valeurSurface);
    std::uint32_t zone = valeurSurface;
    Motif8 motifZone = motifSurface;
    Motif8 motifZoneFichier = MotifDe(Blanc);
    struct Symbole {
        QImage image;
        QPoint position;
        QRect zone; // within the picture
        std::uint32_t transparente;
    };
    std::vector<Symbole> places;
    for (const SymbolePlace &symbole : symboles) {
        QImage image = En24Bits(symbole.image);
        if (!image.isNull())
            places.push_back({image, symbole.position, QRect(symbole.position, image.size()).intersected(t.rect()),
                              Lire(image.constScanLine(image.height() - 1))});
    }

    // Rows are written a few at a time, straight from where they are made.
    const qsizetype lignesParEcriture = std::max<qsizetype>(1, (qsizetype(1) << 18) / octetsLigne);
    std::vector<uchar> lignes(std::size_t(octetsLigne * lignesParEcriture), 0);
    qsizetype enAttente = 0;
    for (int y = h - 1; y >= 0; --y) {
        uchar *ecrit = lignes.data() + octetsLigne * enAttente;
        const uchar *lt = t.constScanLine(y);
        const uchar *lf = y < f.height() ? f.constScanLine(y) : nullptr;
        const int largeur = lf != nullptr ? largeurFond : 0;
        int x = 0;
        for (; x + 8 <= largeur; x += 8) {
            const std::size_t i = std::size_t(OctetsParPixel) * std::size_t(x);
            const bool sansTrait = Egal8(lt + i, motifSurface);
            if (sansTrait && Egal8(lf + i, motifZone)) {
                Poser8(ecrit + i, motifZoneFichier);
                continue;
            }
            Pixels8 v = Extraire8(sansTrait ? lf + i : lt + i);
            if (!sansTrait) {
                const Pixels8 sous = Extraire8(lf + i);
                for (std::size_t k = 0; k < 8; ++k)
                    v[k] = v[k] == valeurSurface ? sous[k] : v[k];
            } else if (v[7] != zone) {
                // Eight pixels of the background alike are written at once from here on.
                zone = v[7];
                motifZone = MotifDe(zone);
                motifZoneFichier = MotifDe(enFichier(zone));
            }
            for (std::uint32_t &pixel : v)
                pixel = enFichier(pixel);
            Assembler8(ecrit + i, v);
        }
        for (; x < w; ++x) {
            const std::size_t j = std::size_t(OctetsParPixel) * std::size_t(x);
            std::uint32_t v = Lire(lt + j);
            if (v == valeurSurface && x < largeur)
                v = Lire(lf + j);
            Ecrire(ecrit + j, enFichier(v));
        }
        // The symbols over it in order, each leaving out the colour of its bottom-left pixel.
        for (const Symbole &symbole : places) {
            if (y < symbole.zone.top() || y > symbole.zone.bottom())
                continue;
            const uchar *lu = symbole.image.constScanLine(y - symbole.position.y());
            for (int xs = symbole.zone.left(); xs <= symbole.zone.right(); ++xs) {
                const std::uint32_t v = Lire(lu + OctetsParPixel * (xs - symbole.position.x()));
                if (v != symbole.transparente)
                    Ecrire(ecrit + OctetsParPixel * xs, enFichier(v));
            }
        }
        ++enAttente;
        if (enAttente == lignesParEcriture || y == 0) {
            const qsizetype taille = octetsLigne * enAttente;
            if (sortie.write(reinterpret_cast<const char *>(lignes.data()), taille) != taille)
                return false;
            enAttente = 0;
        }
    }
    return true;
}

std::optional<QString> EnregistrerBmpSchema(const QString &chemin, const QImage &fond, const QImage &traits,
                                            bool avecFond, const std::vector<SymbolePlace> &symboles, Rvb surface)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || !EcrireBmpSchema(fichier, fond, traits, avecFond, symboles, surface) ||
        !fichier.commit())
        return MessageEcritureImpossible(chemin);
    return std::nullopt;
}
