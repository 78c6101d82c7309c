#pragma once

// Sixteen pixels of a 24-bit row, 48 bytes, in three SSE2 registers: the block the diagram's
// background and the symbols of its export compare and write at once. SSE2 is there on every x86-64;
// elsewhere those passes go pixel by pixel.

#if defined(__SSE2__)
#define VELKORA_BLOCS_SSE2 1

#include <QtGlobal>
#include <emmintrin.h>

#include <cstdint>

namespace bloc_pixels {

constexpr int PixelsParBloc = 16;
constexpr std::size_t OctetsParBloc = 48;

// One bit a pixel, at the place of its first byte: bits 0, 3, 6 … 45.
constexpr std::uint64_t TousLesPixels = 0x249249249249ull;

struct Bloc {
    __m128i v[3]; // std::array<__m128i> would drop the type's attributes, which g++ warns of
};

inline Bloc Charger(const uchar *p)
{
    const auto *q = reinterpret_cast<const __m128i *>(p);
    return {{_mm_loadu_si128(q), _mm_loadu_si128(q + 1), _mm_loadu_si128(q + 2)}};
}

inline void Poser(uchar *p, const Bloc &b)
{
    auto *q = reinterpret_cast<__m128i *>(p);
    _mm_storeu_si128(q, b.v[0]);
    _mm_storeu_si128(q + 1, b.v[1]);
    _mm_storeu_si128(q + 2, b.v[2]);
}

// Sixteen pixels of the colour 0x00BBGGRR. The pattern repeats every 24 bytes, three 64-bit words.
inline Bloc Motif(std::uint32_t couleur)
{
    const std::uint64_t x = couleur & 0xFFFFFFu;
    const std::uint64_t a = x | (x << 24) | (x << 48);
    const std::uint64_t b = (x >> 16) | (x << 8) | (x << 32) | (x << 56);
    const std::uint64_t c = (x >> 8) | (x << 16) | (x << 40);
    const auto paire = [](std::uint64_t bas, std::uint64_t haut) {
        return _mm_set_epi64x(std::int64_t(haut), std::int64_t(bas));
    };
    return {{paire(a, b), paire(c, a), paire(b, c)}};
}

// The pixels of a equal to those of b, one bit each (TousLesPixels when all are).
inline std::uint64_t PixelsEgaux(const Bloc &a, const Bloc &b)
{
    const std::uint64_t m = std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(a.v[0], b.v[0])))) |
                            (std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(a.v[1], b.v[1])))) << 16) |
                            (std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(a.v[2], b.v[2])))) << 32);
    return m & (m >> 1) & (m >> 2) & TousLesPixels;
}

inline Bloc Et(const Bloc &a, const Bloc &b)
{
    return {{_mm_and_si128(a.v[0], b.v[0]), _mm_and_si128(a.v[1], b.v[1]), _mm_and_si128(a.v[2], b.v[2])}};
}

inline Bloc Ou(const Bloc &a, const Bloc &b)
{
    return {{_mm_or_si128(a.v[0], b.v[0]), _mm_or_si128(a.v[1], b.v[1]), _mm_or_si128(a.v[2], b.v[2])}};
}

// The bits of b where a has none.
inline Bloc EtNon(const Bloc &a, const Bloc &b)
{
    return {{_mm_andnot_si128(a.v[0], b.v[0]), _mm_andnot_si128(a.v[1], b.v[1]), _mm_andnot_si128(a.v[2], b.v[2])}};
}

// Whether a holds the same 48 bytes as ma, and b as mb: the two tests in one.
inline bool Identiques(const Bloc &a, const Bloc &ma, const Bloc &b, const Bloc &mb)
{
    __m128i egaux = _mm_and_si128(_mm_cmpeq_epi8(a.v[0], ma.v[0]), _mm_cmpeq_epi8(b.v[0], mb.v[0]));
    for (std::size_t k = 1; k < 3; ++k)
        egaux = _mm_and_si128(egaux, _mm_and_si128(_mm_cmpeq_epi8(a.v[k], ma.v[k]), _mm_cmpeq_epi8(b.v[k], mb.v[k])));
    return _mm_movemask_epi8(egaux) == 0xFFFF;
}

} // namespace bloc_pixels

#endif
