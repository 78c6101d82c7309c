#include "diagram/CalquesSchema.h"

#include "common/FPti.h"
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

// Sixteen pixels of one colour, 48 bytes: a block of a row is compared with it at once.
using Bloc16 = std::array<uchar, 16 * OctetsParPixel>;

Bloc16 BlocUni(Rvb c)
{
    Bloc16 bloc{};
    for (std::size_t i = 0; i < bloc.size(); i += OctetsParPixel) {
        bloc[i] = c.rouge;
        bloc[i + 1] = c.vert;
        bloc[i + 2] = c.bleu;
    }
    return bloc;
}

// Copies into destination the pixels of source that are not the surface colour, over n pixels.
void PoserTraits(const uchar *source, uchar *destination, int n, const Bloc16 &surface)
{
    int x = 0;
    constexpr int ParBloc = 16;
    for (; x + ParBloc <= n; x += ParBloc) {
        const uchar *s = source + OctetsParPixel * x;
        if (std::memcmp(s, surface.data(), surface.size()) == 0)
            continue;
        for (int i = 0; i < ParBloc; ++i) {
            const uchar *p = s + OctetsParPixel * i;
            if (p[0] != surface[0] || p[1] != surface[1] || p[2] != surface[2])
                std::memcpy(destination + OctetsParPixel * (x + i), p, OctetsParPixel);
        }
    }
    for (; x < n; ++x) {
        const uchar *p = source + OctetsParPixel * x;
        if (p[0] != surface[0] || p[1] != surface[1] || p[2] != surface[2])
            std::memcpy(destination + OctetsParPixel * x, p, OctetsParPixel);
    }
}

void RemplirLigne(uchar *ligne, int n, const Bloc16 &couleur)
{
    int x = 0;
    for (; x + 16 <= n; x += 16)
        std::memcpy(ligne + OctetsParPixel * x, couleur.data(), couleur.size());
    if (x < n)
        std::memcpy(ligne + OctetsParPixel * x, couleur.data(), std::size_t(n - x) * OctetsParPixel);
}

// Draws the picture onto the destination with its top-left corner at position, leaving out the
// colour of its own bottom-left pixel; what falls outside the destination is cut off.
void DessinerTransparent(const QImage &image, const QPoint &position, QImage &destination)
{
    const QImage symbole = En24Bits(image);
    if (symbole.isNull())
        return;
    const QRect zone = QRect(position, symbole.size()).intersected(destination.rect());
    if (zone.isEmpty())
        return;
    const std::uint32_t transparente = Lire(symbole.constScanLine(symbole.height() - 1));
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        const uchar *lu = symbole.constScanLine(y - position.y());
        uchar *ecrit = destination.scanLine(y);
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const uchar *p = lu + OctetsParPixel * (x - position.x());
            if (Lire(p) != transparente)
                std::memcpy(ecrit + OctetsParPixel * x, p, OctetsParPixel);
        }
    }
}

} // namespace

QImage ConstruireFondDessin(const QImage &trame, const QImage &plan, const std::vector<TeinteClasse> &teintes,
                   int transparence, Rvb surface)
{
    const QImage t = En24Bits(trame);
    const QImage p = En24Bits(plan);
    if (t.isNull() || t.size() != p.size())
        return {};
    QImage fond(t.size(), Format24Bits);
    if (fond.isNull())
        return {};

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

    // Drawings are flat: a pixel like the one before it takes the result already worked out.
    for (int y = 0; y < h; ++y) {
        const uchar *lt = t.constScanLine(y);
        const uchar *lp = p.constScanLine(y);
        uchar *ecrit = fond.scanLine(y);
        std::uint32_t tPrecedent = ~0u;
        std::uint32_t pPrecedent = ~0u;
        std::uint32_t resultat = 0;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t tv = Lire(lt + OctetsParPixel * x);
            const std::uint32_t pv = Lire(lp + OctetsParPixel * x);
            if (tv != tPrecedent || pv != pPrecedent) {
                tPrecedent = tv;
                pPrecedent = pv;
                resultat = calculer(tv, pv);
                if (resultat == sol)
                    resultat = valeurSurface;
            }
            Ecrire(ecrit + OctetsParPixel * x, resultat);
        }
    }
    return fond;
}

void ComposerAffichage(const QImage &fond, const QImage &traits, Rvb surface, QImage &affichage)
{
    const QImage lus = En24Bits(traits);
    const QImage f = En24Bits(fond);
    if (!Reutilisable(affichage, lus.size()))
        affichage = QImage(lus.size(), Format24Bits);
    if (affichage.isNull())
        return;
    const Bloc16 blocSurface = BlocUni(surface);
    const int w = lus.width();
    const int largeurFond = std::min(w, f.width());
    for (int y = 0; y < lus.height(); ++y) {
        uchar *ecrit = affichage.scanLine(y);
        if (y < f.height() && largeurFond > 0) {
            std::memcpy(ecrit, f.constScanLine(y), std::size_t(largeurFond) * OctetsParPixel);
            if (largeurFond < w)
                RemplirLigne(ecrit + OctetsParPixel * largeurFond, w - largeurFond, blocSurface);
        } else {
            RemplirLigne(ecrit, w, blocSurface);
        }
        PoserTraits(lus.constScanLine(y), ecrit, w, blocSurface);
    }
}

QImage ImageExport(const QImage &fond, const QImage &traits, bool avecFond, const std::vector<SymbolePlace> &symboles,
                   Rvb surface)
{
    QImage travail;
    if (avecFond)
        ComposerAffichage(fond, traits, surface, travail);
    else
        travail = En24Bits(traits).copy();
    if (travail.isNull())
        return travail;
    for (const SymbolePlace &symbole : symboles)
        DessinerTransparent(symbole.image, symbole.position, travail);
    CopierColorBmpToColorImage(travail, travail, RvbVersCouleur(surface), clWhite);
    return travail;
}

std::optional<QString> EnregistrerBmp(const QImage &image, const QString &chemin)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || !En24Bits(image).save(&fichier, "BMP") || !fichier.commit())
        return MessageEcritureImpossible(chemin);
    return std::nullopt;
}
