#pragma once

// Sixteen pixels of a 24-bit row, 48 bytes, in three SSE2 registers: the block the diagram's
// full-picture passes compare and write at once. SSE2 is there on every x86-64; elsewhere the
// passes go pixel by pixel.

#if defined(__SSE2__)
#define VELKORA_BLOCS_SSE2 1

#include <QtGlobal>
#include <emmintrin.h>

#include <array>
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

// The bytes that are the n-th of their pixel (n = 0, 1, 2) in each of the three registers.
template <std::size_t N>
inline constexpr std::array<std::uint8_t, OctetsParBloc> OctetsDeRang = [] {
    std::array<std::uint8_t, OctetsParBloc> m{};
    for (std::size_t i = N; i < m.size(); i += 3)
        m[i] = 0xFF;
    return m;
}();

template <std::size_t N>
inline __m128i MasqueDeRang(std::size_t k)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(OctetsDeRang<N>.data() + 16 * k));
}

// Each byte takes the one N places further on (N > 0) or back (N < 0), across the three registers;
// bytes from beyond the block are zero.
template <int N>
inline Bloc Decaler(const Bloc &b)
{
    if constexpr (N > 0)
        return {{_mm_or_si128(_mm_srli_si128(b.v[0], N), _mm_slli_si128(b.v[1], 16 - N)),
                 _mm_or_si128(_mm_srli_si128(b.v[1], N), _mm_slli_si128(b.v[2], 16 - N)), _mm_srli_si128(b.v[2], N)}};
    else
        return {{_mm_slli_si128(b.v[0], -N), _mm_or_si128(_mm_slli_si128(b.v[1], -N), _mm_srli_si128(b.v[0], 16 + N)),
                 _mm_or_si128(_mm_slli_si128(b.v[2], -N), _mm_srli_si128(b.v[1], 16 + N))}};
}

inline Bloc Et(const Bloc &a, const Bloc &b)
{
    return {{_mm_and_si128(a.v[0], b.v[0]), _mm_and_si128(a.v[1], b.v[1]), _mm_and_si128(a.v[2], b.v[2])}};
}

inline Bloc Ou(const Bloc &a, const Bloc &b)
{
    return {{_mm_or_si128(a.v[0], b.v[0]), _mm_or_si128(a.v[1], b.v[1]), _mm_or_si128(a.v[2], b.v[2])}};
}

// The bytes that are the N-th of their pixel, all ones.
template <std::size_t N>
inline Bloc Rang()
{
    return {{MasqueDeRang<N>(0), MasqueDeRang<N>(1), MasqueDeRang<N>(2)}};
}

// All ones over the three bytes of each pixel of a equal to that of b.
inline Bloc MasquePixelsEgaux(const Bloc &a, const Bloc &b)
{
    const Bloc octets{{_mm_cmpeq_epi8(a.v[0], b.v[0]), _mm_cmpeq_epi8(a.v[1], b.v[1]), _mm_cmpeq_epi8(a.v[2], b.v[2])}};
    const Bloc premiers = Et(Et(octets, Et(Decaler<1>(octets), Decaler<2>(octets))), Rang<0>());
    return Ou(premiers, Ou(Decaler<-1>(premiers), Decaler<-2>(premiers)));
}

// Whether the two blocks hold the same 48 bytes.
inline bool Identiques(const Bloc &a, const Bloc &b)
{
    const __m128i egaux = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(a.v[0], b.v[0]), _mm_cmpeq_epi8(a.v[1], b.v[1])),
                                        _mm_cmpeq_epi8(a.v[2], b.v[2]));
    return _mm_movemask_epi8(egaux) == 0xFFFF;
}

// Red and blue swapped in every pixel: the first byte of a pixel takes its third, the third its
// first, the middle one stays.
inline Bloc EchangerRougeBleu(const Bloc &b)
{
    return Ou(Et(b, Rang<1>()), Ou(Et(Decaler<2>(b), Rang<0>()), Et(Decaler<-2>(b), Rang<2>())));
}

} // namespace bloc_pixels

#endif
