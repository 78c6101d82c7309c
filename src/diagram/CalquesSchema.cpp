#include "diagram/CalquesSchema.h"

#include "common/FPfichier.h"
#include "common/ImageFeuille.h"
#include "common/Pixels24Bits.h"
#include "diagram/BlocPixels.h"
#include "diagram/PixelsSchema.h"
#include "joint_graph/FichierGdl.h"

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <bit>
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

constexpr std::uint32_t Blanc = 0x00FFFFFF;

// Calls faire(j) for the byte offset j of each pixel whose bit is set (see PixelsEgaux).
template <typename Faire>
inline void PourChaquePixel(std::uint64_t pixels, Faire faire)
{
    for (; pixels != 0; pixels &= pixels - 1)
        faire(std::size_t(std::countr_zero(pixels)));
}

inline std::size_t Octets(int pixels) { return std::size_t(OctetsParPixel) * std::size_t(pixels); }

// A row of the file: the display's row made in the file's order, beyond the background the strokes
// layer alone.
void ComposerLigneFichier(const uchar *fond, int largeurFond, const uchar *traits, uchar *ecrit, int largeur,
                          std::uint32_t surface)
{
    ComposerPixelsFichier(fond, traits, ecrit, largeurFond, surface);
    ComposerPixelsFichier(traits + Octets(largeurFond), traits + Octets(largeurFond), ecrit + Octets(largeurFond),
                          largeur - largeurFond, surface);
}

// A row of a symbol over a row of the file: the pixels of lu that are not the transparent colour,
// taken from the same row already in the file's order.
void PoserSymbole(const uchar *lu, const uchar *enFichier, uchar *ecrit, int largeur, std::uint32_t transparente)
{
    int x = 0;
#ifdef VELKORA_BLOCS_SSE2
    using namespace bloc_pixels;
    const Bloc motifTransparent = Motif(transparente);
    for (; x + PixelsParBloc <= largeur; x += PixelsParBloc) {
        const std::size_t i = std::size_t(OctetsParPixel) * std::size_t(x);
        const std::uint64_t visibles = ~PixelsEgaux(Charger(lu + i), motifTransparent) & TousLesPixels;
        if (visibles == TousLesPixels)
            Poser(ecrit + i, Charger(enFichier + i));
        else
            PourChaquePixel(visibles,
                            [&](std::size_t j) { std::memcpy(ecrit + i + j, enFichier + i + j, OctetsParPixel); });
    }
#endif
    for (; x < largeur; ++x) {
        const std::size_t j = std::size_t(OctetsParPixel) * std::size_t(x);
        if (Lire(lu + j) != transparente)
            std::memcpy(ecrit + j, enFichier + j, OctetsParPixel);
    }
}

#ifdef VELKORA_BLOCS_SSE2
// The whole blocks of a row of the drawing background; returns the pixels done. Drawings are flat:
// most blocks lie in one zone of the trame over white or black pixels of the plan, and take results
// worked out once; the other pixels each go through pixel(zone colour, line colour).
template <typename Pixel>
int ConstruireBlocsFond(const uchar *lt, const uchar *lp, uchar *ecrit, int largeur, const Pixel &pixel)
{
    using namespace bloc_pixels;
    const Bloc blanc = Motif(Blanc);
    const Bloc noir = Motif(0);
    // A black pixel of the plan blackens whatever zone lies under it.
    const std::uint32_t resultatNoir = pixel(Blanc, 0);
    const Bloc motifNoir = Motif(resultatNoir);
    std::uint32_t zone = Lire(lt);
    Bloc motifZone = Motif(zone);
    Bloc motifResultat = Motif(pixel(zone, Blanc));
    int x = 0;
    for (; x + PixelsParBloc <= largeur; x += PixelsParBloc) {
        const std::size_t i = std::size_t(OctetsParPixel) * std::size_t(x);
        const Bloc lignes = Charger(lp + i);
        const Bloc zones = Charger(lt + i);
        if (Identiques(zones, motifZone, lignes, blanc)) {
            Poser(ecrit + i, motifResultat);
            continue;
        }
        const std::uint64_t noirs = PixelsEgaux(lignes, noir);
        const std::uint64_t blancs = PixelsEgaux(lignes, blanc);
        const std::uint64_t memeZone = PixelsEgaux(zones, motifZone);
        if ((noirs | blancs) == TousLesPixels && memeZone == TousLesPixels) {
            // Black and white lines over one zone: each byte of the plan, 00 or FF, picks its result's byte.
            Poser(ecrit + i, Ou(Et(lignes, motifResultat), EtNon(lignes, motifNoir)));
            continue;
        }
        const std::uint64_t dansZone = memeZone & blancs;
        Poser(ecrit + i, noirs == TousLesPixels ? motifNoir : motifResultat);
        if (noirs == TousLesPixels)
            continue;
        PourChaquePixel(noirs, [&](std::size_t j) { Ecrire(ecrit + i + j, resultatNoir); });
        PourChaquePixel(TousLesPixels & ~(dansZone | noirs),
                        [&](std::size_t j) { Ecrire(ecrit + i + j, pixel(Lire(lt + i + j), Lire(lp + i + j))); });
        // The zone of the block's last pixel is the one the next blocks are likely to lie in.
        if (const std::uint32_t derniere = Lire(lt + i + OctetsParBloc - OctetsParPixel); derniere != zone) {
            zone = derniere;
            motifZone = Motif(zone);
            motifResultat = Motif(pixel(zone, Blanc));
        }
    }
    return x;
}
#endif

} // namespace

bool ConstruireFondDessin(const QImage &trame, const QImage &plan, const std::vector<TeinteClasse> &teintes,
                          int transparence, Rvb surface, QImage &fond)
{
    const QImage t = En24Bits(trame);
    const QImage p = En24Bits(plan);
    if (t.isNull() || t.size() != p.size())
        return false;
    if (!Reutilisable(fond, t.size()))
        fond = NouvelleImageFeuille(t.size(), Format24Bits);
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

    for (int y = 0; y < h; ++y) {
        const uchar *lt = t.constScanLine(y);
        const uchar *lp = p.constScanLine(y);
        uchar *ecrit = fond.scanLine(y);
        int x = 0;
#ifdef VELKORA_BLOCS_SSE2
        x = ConstruireBlocsFond(lt, lp, ecrit, w, pixel);
#endif
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
            affichage = NouvelleImageFeuille(lus.size(), Format24Bits);
        z = lus.rect();
    }
    if (affichage.isNull() || z.isEmpty())
        return;
    const std::uint32_t valeurSurface = Valeur(surface);
    const std::size_t debut = Octets(z.left());
    const int largeurFond = std::clamp(f.width() - z.left(), 0, z.width());
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const int largeurSurFond = y < f.height() ? largeurFond : 0;
        const uchar *traitsLigne = lus.constScanLine(y) + debut;
        uchar *ecrit = affichage.scanLine(y) + debut;
        if (largeurSurFond > 0)
            ComposerPixels(f.constScanLine(y) + debut, traitsLigne, ecrit, largeurSurFond, valeurSurface);
        // Beyond the background the strokes layer, surface included, is what shows.
        std::memcpy(ecrit + Octets(largeurSurFond), traitsLigne + Octets(largeurSurFond),
                    Octets(z.width() - largeurSurFond));
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

    const std::uint32_t valeurSurface = Valeur(surface);
    struct Symbole {
        QImage image;
        QImage enFichier; // its pixels as the file stores them
        QPoint position;
        QRect zone; // within the picture
        std::uint32_t transparente;
    };
    std::vector<Symbole> places;
    for (const SymbolePlace &symbole : symboles) {
        const QImage image = En24Bits(symbole.image);
        if (image.isNull())
            continue;
        QImage enFichier(image.size(), Format24Bits);
        if (enFichier.isNull())
            return false;
        for (int y = 0; y < image.height(); ++y)
            ComposerPixelsFichier(image.constScanLine(y), image.constScanLine(y), enFichier.scanLine(y), image.width(),
                                  valeurSurface);
        places.push_back({image, enFichier, symbole.position,
                          QRect(symbole.position, image.size()).intersected(t.rect()),
                          Lire(image.constScanLine(image.height() - 1))});
    }

    // Rows are written a few at a time, straight from where they are made. The file stores them from the
    // bottom up; each group is made from the top down, the way the cache reads ahead, each row at its
    // place in the file.
    const int lignesParEcriture = int(std::clamp<qsizetype>((qsizetype(1) << 18) / octetsLigne, 1, h));
    std::vector<uchar> lignes(std::size_t(octetsLigne) * std::size_t(lignesParEcriture), 0);
    for (int bas = h - 1; bas >= 0; bas -= lignesParEcriture) {
        const int haut = std::max(0, bas - lignesParEcriture + 1);
        for (int y = haut; y <= bas; ++y) {
            uchar *ecrit = lignes.data() + std::size_t(octetsLigne) * std::size_t(bas - y);
            const bool avecLigneFond = y < f.height() && largeurFond > 0;
            ComposerLigneFichier(avecLigneFond ? f.constScanLine(y) : nullptr, avecLigneFond ? largeurFond : 0,
                                 t.constScanLine(y), ecrit, w, valeurSurface);
            // The symbols over it in order, each leaving out the colour of its bottom-left pixel.
            for (const Symbole &symbole : places) {
                if (y < symbole.zone.top() || y > symbole.zone.bottom())
                    continue;
                const int ys = y - symbole.position.y();
                const std::size_t debut = Octets(symbole.zone.left() - symbole.position.x());
                PoserSymbole(symbole.image.constScanLine(ys) + debut, symbole.enFichier.constScanLine(ys) + debut,
                             ecrit + Octets(symbole.zone.left()), symbole.zone.width(), symbole.transparente);
            }
        }
        const qsizetype taille = octetsLigne * (bas - haut + 1);
        if (sortie.write(reinterpret_cast<const char *>(lignes.data()), taille) != taille)
            return false;
    }
    return true;
}

std::optional<QString> EnregistrerBmpSchema(const QString &chemin, const QImage &fond, const QImage &traits,
                                            bool avecFond, const std::vector<SymbolePlace> &symboles, Rvb surface)
{
    if (RefusCibleNonFichier(chemin))
        return MessageEcritureImpossible(chemin);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || !EcrireBmpSchema(fichier, fond, traits, avecFond, symboles, surface) ||
        !fichier.commit())
        return MessageEcritureImpossible(chemin);
    return std::nullopt;
}
