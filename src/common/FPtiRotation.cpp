#include "common/FPti.h"

#include "common/Pixels24Bits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace fpti;

namespace {

#if defined(__x86_64__) && defined(__GNUC__)
#define VELKORA_AVX2
bool AvecAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

// Round(a) and Round(b), four lanes each, as eight 32-bit integers in order: after the addition of the
// magnet the rounded integer is the low half of the double's bits.
__attribute__((target("avx2"))) inline __m256i ArrondisAvx2(__m256d a, __m256d b, __m256d aimant)
{
    const __m256 melanges = _mm256_shuffle_ps(_mm256_castpd_ps(_mm256_add_pd(a, aimant)),
                                              _mm256_castpd_ps(_mm256_add_pd(b, aimant)), _MM_SHUFFLE(2, 0, 2, 0));
    return _mm256_permute4x64_epi64(_mm256_castps_si256(melanges), _MM_SHUFFLE(3, 1, 2, 0));
}

// m / 2, dropping the remainder towards zero.
__attribute__((target("avx2"))) inline __m256i MoitieAvx2(__m256i m)
{
    return _mm256_srai_epi32(_mm256_sub_epi32(m, _mm256_srai_epi32(m, 31)), 1);
}

// The rotation's source offsets eight pixels at a time, for processors that have AVX2; the same
// operations as the four-pixel loop of GeometrieRotation::decalages. Returns how many pixels it did.
__attribute__((target("avx2"))) int DecalagesAvx2(const double *dxCs, const double *dxSn, int n, double dySn,
                                                  double dyCs, std::int32_t pas, std::int32_t base,
                                                  std::int32_t *sortie)
{
    const __m256d aimant = _mm256_set1_pd(Aimant);
    const __m256d vdySn = _mm256_set1_pd(dySn);
    const __m256d vdyCs = _mm256_set1_pd(dyCs);
    const __m256i vpas = _mm256_set1_epi32(pas);
    const __m256i vbase = _mm256_set1_epi32(base);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i hu = MoitieAvx2(ArrondisAvx2(_mm256_sub_pd(_mm256_loadu_pd(dxCs + i), vdySn),
                                                   _mm256_sub_pd(_mm256_loadu_pd(dxCs + i + 4), vdySn), aimant));
        const __m256i hv = MoitieAvx2(ArrondisAvx2(_mm256_add_pd(_mm256_loadu_pd(dxSn + i), vdyCs),
                                                   _mm256_add_pd(_mm256_loadu_pd(dxSn + i + 4), vdyCs), aimant));
        const __m256i triples = _mm256_add_epi32(hu, _mm256_add_epi32(hu, hu));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(sortie + i),
                            _mm256_add_epi32(vbase, _mm256_add_epi32(_mm256_mullo_epi32(hv, vpas), triples)));
    }
    return i;
}
#endif

// Which source pixel each destination pixel of a rotation shows. With cx and cy half the width and
// half the height, pixel (x, y) shows source column cx + u / 2 and source row cy + v / 2, where
// dx = 2 (x − cx) + 1, dy = 2 (y − cy) + 1, u = Round(dx × cs − dy × sn), v = Round(dx × sn + dy × cs),
// and the halving drops the remainder towards zero. The products with dx depend on the column only and
// are kept; each pixel then makes the very same operations it would make alone.
class GeometrieRotation {
public:
    GeometrieRotation(int largeur, int hauteur, qsizetype pas, double angle)
        : largeur_(largeur), hauteur_(hauteur), cx_(largeur / 2), cy_(hauteur / 2), pas_(pas),
          dxCs_(std::size_t(largeur)), dxSn_(std::size_t(largeur))
    {
        constexpr long double PiEtendu = 3.14159265358979323846L;
        const long double radians = static_cast<long double>(angle) * PiEtendu / 180.0L;
        sn_ = static_cast<double>(std::sin(radians));
        cs_ = static_cast<double>(std::cos(radians));
        for (int x = 0; x < largeur; ++x) {
            const double dx = 2.0 * (x - cx_) + 1.0;
            dxCs_[std::size_t(x)] = dx * cs_;
            dxSn_[std::size_t(x)] = dx * sn_;
        }
    }

    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }

    std::pair<int, int> source(int x, int y) const
    {
        const double dy = 2.0 * (y - cy_) + 1.0;
        const int u = static_cast<int>(ArrondiPair(dxCs_[std::size_t(x)] - dy * sn_));
        const int v = static_cast<int>(ArrondiPair(dxSn_[std::size_t(x)] + dy * cs_));
        return {cx_ + u / 2, cy_ + v / 2};
    }

    // The pixels of row y that come from inside the source, [debut, fin). Every step of the sums above
    // is monotonic, so along a row the source column and the source row each move one way only, and
    // those pixels are one run; its ends are found by halving.
    std::pair<int, int> plage(int y) const
    {
        // The first column from which the condition holds, given that it holds from some column on.
        const auto premiere = [this](auto condition) {
            int bas = 0;
            int haut = largeur_;
            while (bas < haut) {
                const int milieu = bas + (haut - bas) / 2;
                if (condition(milieu))
                    haut = milieu;
                else
                    bas = milieu + 1;
            }
            return bas;
        };
        int debut = 0;
        int fin = largeur_;
        // Keeps the columns where 0 <= coordonnee < limite.
        const auto restreindre = [&](auto coordonnee, bool croissante, int limite) {
            const int aZero = premiere([&](int x) { return (coordonnee(x) >= 0) == croissante; });
            const int aLimite = premiere([&](int x) { return (coordonnee(x) >= limite) == croissante; });
            debut = std::max(debut, croissante ? aZero : aLimite);
            fin = std::min(fin, croissante ? aLimite : aZero);
        };
        restreindre([&](int x) { return source(x, y).first; }, cs_ >= 0, largeur_);
        restreindre([&](int x) { return source(x, y).second; }, sn_ >= 0, hauteur_);
        return {debut, std::max(debut, fin)};
    }

    // Byte offsets, from the source's first byte, of the source pixels of n pixels of row y from
    // column x0; they mean something only inside the run of the row. The source is under 2 GB.
    void decalages(int x0, int n, int y, std::int32_t *sortie) const
    {
        const double dy = 2.0 * (y - cy_) + 1.0;
        const double dySn = dy * sn_;
        const double dyCs = dy * cs_;
        const double *dxCs = &dxCs_[std::size_t(x0)];
        const double *dxSn = &dxSn_[std::size_t(x0)];
        const auto base = static_cast<std::int32_t>(qsizetype(cy_) * pas_ + OctetsParPixel * cx_);
        int i = 0;
#if defined(VELKORA_AVX2)
        if (AvecAvx2())
            i = DecalagesAvx2(dxCs, dxSn, n, dySn, dyCs, static_cast<std::int32_t>(pas_), base, sortie);
#endif
#if defined(__SSE2__)
        // Four pixels at a time, with the very operations of the loop below. After the addition of
        // the magnet the rounded integer is the low half of the double's bits. Offsets are worked
        // modulo 2^32, which is exact for every offset inside the source.
        const __m128d aimant = _mm_set1_pd(Aimant);
        const __m128d vdySn = _mm_set1_pd(dySn);
        const __m128d vdyCs = _mm_set1_pd(dyCs);
        const __m128i vpas = _mm_set1_epi32(static_cast<std::int32_t>(pas_));
        const __m128i vbase = _mm_set1_epi32(base);
        const auto arrondis = [&aimant](__m128d a, __m128d b) {
            return _mm_shuffle_ps(_mm_castpd_ps(_mm_add_pd(a, aimant)), _mm_castpd_ps(_mm_add_pd(b, aimant)),
                                  _MM_SHUFFLE(2, 0, 2, 0));
        };
        const auto moitie = [](__m128 bits) {
            const __m128i m = _mm_castps_si128(bits);
            return _mm_srai_epi32(_mm_sub_epi32(m, _mm_srai_epi32(m, 31)), 1);
        };
        for (; i + 4 <= n; i += 4) {
            const __m128i hu = moitie(
                arrondis(_mm_sub_pd(_mm_loadu_pd(dxCs + i), vdySn), _mm_sub_pd(_mm_loadu_pd(dxCs + i + 2), vdySn)));
            const __m128i hv = moitie(
                arrondis(_mm_add_pd(_mm_loadu_pd(dxSn + i), vdyCs), _mm_add_pd(_mm_loadu_pd(dxSn + i + 2), vdyCs)));
            // hv × pas, pixels 0 and 2 then 1 and 3, low halves gathered back in order.
            const __m128i produits02 = _mm_mul_epu32(hv, vpas);
            const __m128i produits13 = _mm_mul_epu32(_mm_srli_epi64(hv, 32), vpas);
            const __m128i produits = _mm_unpacklo_epi32(_mm_shuffle_epi32(produits02, _MM_SHUFFLE(0, 0, 2, 0)),
                                                        _mm_shuffle_epi32(produits13, _MM_SHUFFLE(0, 0, 2, 0)));
            const __m128i triples = _mm_add_epi32(hu, _mm_add_epi32(hu, hu));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(sortie + i),
                             _mm_add_epi32(vbase, _mm_add_epi32(produits, triples)));
        }
#endif
        for (; i < n; ++i) {
            const int u = static_cast<int>(ArrondiPair(dxCs[i] - dySn));
            const int v = static_cast<int>(ArrondiPair(dxSn[i] + dyCs));
            sortie[i] = static_cast<std::int32_t>(qsizetype(cy_ + v / 2) * pas_ + OctetsParPixel * (cx_ + u / 2));
        }
    }

private:
    int largeur_;
    int hauteur_;
    int cx_;
    int cy_;
    qsizetype pas_;
    double sn_ = 0.0;
    double cs_ = 1.0;
    std::vector<double> dxCs_;
    std::vector<double> dxSn_;
};

// Writes the rotated picture in square tiles, asking for the source pixels of a tile some rows
// ahead: a row of the destination reads a slant across many rows of the source, and working by tiles
// with prefetching keeps them in the cache and hides most of the wait for memory. The offsets of two
// tiles, the one being written and the next, live in one ring.
void TournerParTuiles(const GeometrieRotation &geometrie, const uchar *pixels, QImage &destination,
                      const uchar *octetsFond)
{
    constexpr int Tuile = 32;
    constexpr unsigned CasesTuile = Tuile * Tuile;
    constexpr unsigned Avance = 8 * Tuile;
    const int largeur = geometrie.largeur();
    const int hauteur = geometrie.hauteur();
    std::vector<std::pair<int, int>> plages(static_cast<std::size_t>(hauteur));
    for (int y = 0; y < hauteur; ++y)
        plages[std::size_t(y)] = geometrie.plage(y);
    std::vector<std::int32_t> anneau(2 * CasesTuile, 0);
    const int tuilesParRangee = (largeur + Tuile - 1) / Tuile;
    const int tuiles = tuilesParRangee * ((hauteur + Tuile - 1) / Tuile);
    // The part of a tile's row r that comes from inside the source, [debut, fin) from its first column.
    const auto partie = [&](int x0, int y0, int r) {
        const auto [debut, fin] = plages[std::size_t(y0 + r)];
        const int n = std::min(Tuile, largeur - x0);
        const int debutTuile = std::clamp(debut - x0, 0, n);
        return std::pair{debutTuile, std::clamp(fin - x0, debutTuile, n)};
    };
    // Row r of a tile's offsets. The next tile's rows are worked out between the rows of the tile being
    // written, so that the sums and the waits for memory overlap.
    const auto preparer = [&](int tuile, int r) {
        const int x0 = tuile % tuilesParRangee * Tuile;
        const int y0 = tuile / tuilesParRangee * Tuile;
        if (tuile < tuiles && r < hauteur - y0)
            geometrie.decalages(x0, std::min(Tuile, largeur - x0), y0 + r,
                                &anneau[unsigned(tuile) % 2 * CasesTuile + unsigned(r) * Tuile]);
    };
    uchar *bitsDestination = destination.bits();
    const qsizetype pasDestination = destination.bytesPerLine();
    const std::int32_t *decalages = anneau.data();
    for (int r = 0; r < Tuile; ++r)
        preparer(0, r);
    for (int tuile = 0; tuile < tuiles; ++tuile) {
        const unsigned moitie = unsigned(tuile) % 2;
        const int x0 = tuile % tuilesParRangee * Tuile;
        const int y0 = tuile / tuilesParRangee * Tuile;
        const int n = std::min(Tuile, largeur - x0);
        for (int r = 0; r < Tuile; ++r) {
            preparer(tuile + 1, r);
            if (r >= hauteur - y0)
                continue;
            uchar *ecrit = bitsDestination + (y0 + r) * pasDestination + OctetsParPixel * x0;
            const auto [debut, fin] = partie(x0, y0, r);
            for (int i = 0; i < debut; ++i)
                std::memcpy(ecrit + OctetsParPixel * i, octetsFond, OctetsParPixel);
            for (int i = fin; i < n; ++i)
                std::memcpy(ecrit + OctetsParPixel * i, octetsFond, OctetsParPixel);
            const unsigned premier = moitie * CasesTuile + unsigned(r) * Tuile;
            for (int i = debut; i < fin; ++i) {
                // Entries ahead may belong to pixels outside the source.
                Precharger(pixels, decalages[(premier + unsigned(i) + Avance) % (2 * CasesTuile)]);
                std::memcpy(ecrit + OctetsParPixel * i, pixels + decalages[premier + unsigned(i)], OctetsParPixel);
            }
        }
    }
}

} // namespace

void RotationBmp(const QImage &source, QImage &destination, TColor fond, double angle)
{
    const QImage lu = En24Bits(source); // keeps the source's pixels while the destination is replaced
    if (!Reutilisable(destination, lu.size()))
        destination = QImage(lu.size(), Format24Bits);
    if (destination.isNull())
        return;
    const Rvb rvbFond = CouleurVersRvb(fond);
    const uchar octetsFond[OctetsParPixel] = {rvbFond.rouge, rvbFond.vert, rvbFond.bleu};
    // An angle that is not a number turns nothing.
    const GeometrieRotation geometrie(lu.width(), lu.height(), lu.bytesPerLine(), std::isfinite(angle) ? angle : 0.0);
    if (lu.sizeInBytes() > INT32_MAX) {
        // Offsets do not fit 32 bits: pixel by pixel.
        for (int y = 0; y < lu.height(); ++y) {
            uchar *ecrit = destination.scanLine(y);
            for (int x = 0; x < lu.width(); ++x, ecrit += OctetsParPixel) {
                const auto [sx, sy] = geometrie.source(x, y);
                const bool dedans = sx >= 0 && sx < lu.width() && sy >= 0 && sy < lu.height();
                std::memcpy(ecrit, dedans ? lu.constScanLine(sy) + OctetsParPixel * sx : octetsFond, OctetsParPixel);
            }
        }
        return;
    }
    TournerParTuiles(geometrie, lu.constBits(), destination, octetsFond);
}
