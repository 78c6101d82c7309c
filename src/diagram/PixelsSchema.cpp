#include "diagram/PixelsSchema.h"

#include <array>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELKORA_VERSIONS_X86 1
#include <immintrin.h>
#endif

namespace {

// All ones when the pixel at p is the colour of bytes c0, c1, c2, else zero.
inline uchar Masque(const uchar *p, uchar c0, uchar c1, uchar c2)
{
    return uchar(-int((p[0] == c0) & (p[1] == c1) & (p[2] == c2)));
}

// The rules pixel by pixel: what every version does with the pixels its registers leave over.
template <bool EnFichier>
inline void Composer(const uchar *fond, const uchar *traits, uchar *__restrict ecrit, int n, std::uint32_t surface)
{
    const auto s0 = uchar(surface);
    const auto s1 = uchar(surface >> 8);
    const auto s2 = uchar(surface >> 16);
    for (int x = 0; x < n; ++x) {
        const uchar *f = fond + 3 * x;
        const uchar *t = traits + 3 * x;
        const uchar m = Masque(t, s0, s1, s2);
        const auto r = uchar((f[0] & m) | (t[0] & ~m));
        const auto v = uchar((f[1] & m) | (t[1] & ~m));
        const auto b = uchar((f[2] & m) | (t[2] & ~m));
        if constexpr (EnFichier) {
            // The surface can only come from the background, where the strokes let it through.
            const uchar blanc = m & Masque(f, s0, s1, s2);
            ecrit[3 * x] = b | blanc;
            ecrit[3 * x + 1] = v | blanc;
            ecrit[3 * x + 2] = r | blanc;
        } else {
            ecrit[3 * x] = r;
            ecrit[3 * x + 1] = v;
            ecrit[3 * x + 2] = b;
        }
    }
}

bool Partout() { return true; }

} // namespace

#ifdef VELKORA_VERSIONS_X86
#pragma GCC push_options
#pragma GCC target("avx2")
namespace avx2 {
namespace {

using Registre = __m256i;
constexpr int LanesParRegistre = 2;

// The sixteen indexes of pshufb in both lanes; -1 makes a zero byte.
template <typename... Octets>
inline Registre Repeter(Octets... o)
{
    return _mm256_setr_epi8(char(o)..., char(o)...);
}

inline Registre MotPartout(std::uint32_t v) { return _mm256_set1_epi32(int(v)); }

inline Registre Charger(const uchar *p)
{
    return _mm256_loadu2_m128i(reinterpret_cast<const __m128i *>(p + 12), reinterpret_cast<const __m128i *>(p));
}

inline void Poser(uchar *p, Registre v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), _mm256_castsi256_si128(v));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p + 12), _mm256_extracti128_si256(v, 1));
}

inline Registre Melanger(Registre v, Registre indexes) { return _mm256_shuffle_epi8(v, indexes); }
inline Registre MotsEgaux(Registre a, Registre b) { return _mm256_cmpeq_epi32(a, b); }
inline Registre Choisir(Registre masque, Registre oui, Registre non) { return _mm256_blendv_epi8(non, oui, masque); }
inline Registre Et(Registre a, Registre b) { return _mm256_and_si256(a, b); }
inline Registre Ou(Registre a, Registre b) { return _mm256_or_si256(a, b); }

#include "diagram/PixelsSchemaLanes.inc"

} // namespace
} // namespace avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("ssse3")
namespace ssse3 {
namespace {

using Registre = __m128i;
constexpr int LanesParRegistre = 1;

template <typename... Octets>
inline Registre Repeter(Octets... o)
{
    return _mm_setr_epi8(char(o)...);
}

inline Registre MotPartout(std::uint32_t v) { return _mm_set1_epi32(int(v)); }
inline Registre Charger(const uchar *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }
inline void Poser(uchar *p, Registre v) { _mm_storeu_si128(reinterpret_cast<__m128i *>(p), v); }
inline Registre Melanger(Registre v, Registre indexes) { return _mm_shuffle_epi8(v, indexes); }
inline Registre MotsEgaux(Registre a, Registre b) { return _mm_cmpeq_epi32(a, b); }
inline Registre Choisir(Registre masque, Registre oui, Registre non)
{
    return _mm_or_si128(_mm_and_si128(masque, oui), _mm_andnot_si128(masque, non));
}
inline Registre Et(Registre a, Registre b) { return _mm_and_si128(a, b); }
inline Registre Ou(Registre a, Registre b) { return _mm_or_si128(a, b); }

#include "diagram/PixelsSchemaLanes.inc"

} // namespace
} // namespace ssse3
#pragma GCC pop_options
#endif

namespace {

#ifdef VELKORA_VERSIONS_X86
bool AvecAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

bool AvecSsse3()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}
#endif

constexpr std::array Versions{
#ifdef VELKORA_VERSIONS_X86
    VersionPixels{"AVX2", AvecAvx2, avx2::ComposerParLanes<false>, avx2::ComposerParLanes<true>},
    VersionPixels{"SSSE3", AvecSsse3, ssse3::ComposerParLanes<false>, ssse3::ComposerParLanes<true>},
#endif
    VersionPixels{"générique", Partout, Composer<false>, Composer<true>},
};

const VersionPixels &VersionChoisie()
{
    static const VersionPixels &choisie = []() -> const VersionPixels & {
        for (const VersionPixels &version : Versions) {
            if (version.disponible())
                return version;
        }
        return Versions.back();
    }();
    return choisie;
}

} // namespace

std::span<const VersionPixels> VersionsPixels() { return Versions; }

void ComposerPixels(const uchar *fond, const uchar *traits, uchar *ecrit, int n, std::uint32_t surface)
{
    VersionChoisie().composer(fond, traits, ecrit, n, surface);
}

void ComposerPixelsFichier(const uchar *fond, const uchar *traits, uchar *ecrit, int n, std::uint32_t surface)
{
    VersionChoisie().composerFichier(fond, traits, ecrit, n, surface);
}
