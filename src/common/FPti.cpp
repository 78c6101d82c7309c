#include "common/FPti.h"

#include "common/Pixels24Bits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <ranges>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace fpti;

namespace {

void RemplacerLigne(const uchar *lu, uchar *ecrit, int largeur, Rvb cherchee, Rvb nouvelle)
{
    int x = 0;
#if defined(__SSE2__)
    // Sixteen pixels fill three vectors exactly; each vector sees the colour's bytes from another phase.
    alignas(16) std::array<uchar, 48> motif;
    for (int i = 0; i < 16; ++i) {
        motif[3 * i] = cherchee.rouge;
        motif[3 * i + 1] = cherchee.vert;
        motif[3 * i + 2] = cherchee.bleu;
    }
    const __m128i motif0 = _mm_load_si128(reinterpret_cast<const __m128i *>(motif.data()));
    const __m128i motif1 = _mm_load_si128(reinterpret_cast<const __m128i *>(motif.data() + 16));
    const __m128i motif2 = _mm_load_si128(reinterpret_cast<const __m128i *>(motif.data() + 32));
    constexpr std::uint64_t PremiersOctets = [] {
        std::uint64_t bits = 0;
        for (int i = 0; i < 16; ++i)
            bits |= std::uint64_t(1) << (3 * i);
        return bits;
    }();
    for (; x + 16 <= largeur; x += 16) {
        const uchar *p = lu + OctetsParPixel * x;
        const auto egaux = [p](int decalage, __m128i motifPhase) {
            const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + decalage));
            return std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(octets, motifPhase))));
        };
        const std::uint64_t m = egaux(0, motif0) | (egaux(16, motif1) << 16) | (egaux(32, motif2) << 32);
        std::uint64_t trouves = m & (m >> 1) & (m >> 2) & PremiersOctets;
        while (trouves != 0) {
            const int bit = std::countr_zero(trouves);
            uchar *q = ecrit + OctetsParPixel * x + bit;
            q[0] = nouvelle.rouge;
            q[1] = nouvelle.vert;
            q[2] = nouvelle.bleu;
            trouves &= trouves - 1;
        }
    }
#endif
    for (; x < largeur; ++x) {
        const uchar *p = lu + OctetsParPixel * x;
        if (p[0] == cherchee.rouge && p[1] == cherchee.vert && p[2] == cherchee.bleu) {
            uchar *q = ecrit + OctetsParPixel * x;
            q[0] = nouvelle.rouge;
            q[1] = nouvelle.vert;
            q[2] = nouvelle.bleu;
        }
    }
}

// Every byte of the picture goes through the table.
void AppliquerTable(QImage &image, const std::array<uchar, 256> &table)
{
    const qsizetype octetsUtiles = qsizetype(image.width()) * OctetsParPixel;
    // Two bytes at a time: half as many look-ups.
    std::vector<std::uint16_t> paires(65536);
    for (int i = 0; i < 65536; ++i)
        paires[i] = std::uint16_t(table[i & 0xFF] | (table[i >> 8] << 8));
    const auto convertir8 = [&paires](uchar *octets) {
        std::uint16_t mots[4];
        std::memcpy(mots, octets, 8);
        for (std::uint16_t &mot : mots)
            mot = paires[mot];
        std::memcpy(octets, mots, 8);
    };
    constexpr qsizetype Bloc = 16;
    constexpr qsizetype Avance = 2048; // bytes read ahead, over the end of the row into the next one
    const qsizetype debutQueue = octetsUtiles - octetsUtiles % Bloc;
    // Drawings are mostly flat: sixteen bytes that the row above also had at the same place take the
    // result written there without going through the table again. The row above's bytes as they were
    // read are kept aside, since its results overwrote them.
    std::vector<uchar> lusAuDessus(static_cast<std::size_t>(debutQueue));
    for (int y = 0; y < image.height(); ++y) {
        uchar *ligne = image.scanLine(y);
        const uchar *dessus = y > 0 ? image.constScanLine(y - 1) : nullptr;
        for (qsizetype i = 0; i < debutQueue; i += Bloc) {
            uchar *garde = lusAuDessus.data() + i;
            Precharger(ligne, i + Avance);
            if (dessus != nullptr && std::memcmp(ligne + i, garde, Bloc) == 0) {
                std::memcpy(ligne + i, dessus + i, Bloc);
            } else {
                std::memcpy(garde, ligne + i, Bloc);
                convertir8(ligne + i);
                convertir8(ligne + i + 8);
            }
        }
        for (qsizetype i = debutQueue; i < octetsUtiles; ++i)
            ligne[i] = table[ligne[i]];
    }
}

} // namespace

std::optional<QString> CopierColorBmpToColorImage(const QImage &source, QImage &destination, TColor cherchee,
                                                  TColor nouvelle)
{
    if (source.size() != destination.size())
        return MessageTaillesDifferentes;
    const Rvb rvbCherchee = CouleurVersRvb(cherchee);
    const Rvb rvbNouvelle = CouleurVersRvb(nouvelle);
    // A pixel is read before it is written and only that pixel is written, so the picture with itself
    // is worked in place.
    const bool elleMeme = &source == &destination;
    const QImage lu = elleMeme ? QImage() : En24Bits(source);
    if (!Convertir24Bits(destination) || (!elleMeme && lu.size() != destination.size()))
        return std::nullopt;
    for (int y = 0; y < destination.height(); ++y) {
        uchar *ecrit = destination.scanLine(y);
        RemplacerLigne(elleMeme ? ecrit : lu.constScanLine(y), ecrit, destination.width(), rvbCherchee, rvbNouvelle);
    }
    return std::nullopt;
}

void ContrasteBmp(int pivot, QImage &image, double gain, double facteur)
{
    // A channel's result depends on its value alone, so the 256 results are worked out once.
    std::array<uchar, 256> table{};
    for (int p = 0; p < 256; ++p) {
        const double q = std::nearbyint(p * gain);
        const double r = std::nearbyint((q - pivot) * facteur + q);
        table[p] = !(r > 0.0) ? 0 : r > 255.0 ? 255 : static_cast<uchar>(r); // NaN gives 0
    }
    if (Convertir24Bits(image))
        AppliquerTable(image, table);
}

void TransparenceBmp(QImage &image, int pourcentage) { ContrasteBmp(255, image, 1.0, pourcentage / 100.0); }

void RemplirImage(QImage &image, TColor couleur)
{
    if (image.format() != Format24Bits)
        image = QImage(image.size(), Format24Bits); // every pixel is about to be written
    image.fill(CouleurVersQColor(couleur));
}

void CopierBmp(const QImage &source, QImage &destination, OperationRaster operation)
{
    if (operation == OperationRaster::CopieSource) {
        destination = En24Bits(source);
        return;
    }
    const QImage lu = En24Bits(source);
    if (!Convertir24Bits(destination) || lu.size() != source.size())
        return;
    if (destination.size() != lu.size()) {
        QImage agrandie(lu.size(), Format24Bits);
        if (agrandie.size() != lu.size())
            return;
        agrandie.fill(Qt::white);
        const int largeurCommune = std::min(destination.width(), lu.width());
        const int hauteurCommune = std::min(destination.height(), lu.height());
        for (int y = 0; y < hauteurCommune; ++y)
            std::memcpy(agrandie.scanLine(y), destination.constScanLine(y),
                        std::size_t(largeurCommune) * OctetsParPixel);
        destination = std::move(agrandie);
    }
    if (&source == &destination)
        return; // a picture ANDed with itself stays as it is
    const qsizetype octetsUtiles = qsizetype(lu.width()) * OctetsParPixel;
    for (int y = 0; y < lu.height(); ++y) {
        uchar *ecrit = destination.scanLine(y); // detaches first when the two share their pixels
        EtOctets(lu.constScanLine(y), ecrit, ecrit, octetsUtiles);
    }
}
