#pragma once

// The per-pixel rules of the diagram's display and export, over a run of 24-bit pixels: in vector
// registers with AVX2 or SSSE3, else pixel by pixel; the fastest version the machine has is chosen
// at the first call.

#include <QtGlobal>
#include <cstdint>
#include <span>

// ecrit = each pixel of traits that is not the surface colour (0x00BBGGRR), else the pixel of fond;
// n pixels. ecrit must not overlap the others; fond and traits may be the same.
void ComposerPixels(const uchar *fond, const uchar *traits, uchar *ecrit, int n, std::uint32_t surface);

// The same in the byte order of a BMP file, blue first, the surface colour turned white.
void ComposerPixelsFichier(const uchar *fond, const uchar *traits, uchar *ecrit, int n, std::uint32_t surface);

// One version of the two rules, for the processors it names.
struct VersionPixels {
    const char *nom;
    bool (*disponible)();
    void (*composer)(const uchar *, const uchar *, uchar *, int, std::uint32_t);
    void (*composerFichier)(const uchar *, const uchar *, uchar *, int, std::uint32_t);
};

// Every version, the fastest first; the last one runs anywhere.
std::span<const VersionPixels> VersionsPixels();
