#pragma once

// Helpers shared by the pixel routines of FPti: 24-bit pictures, exact rounding, read-ahead.

#include <QImage>
#include <cstdint>
#include <cstring>

namespace fpti {

constexpr QImage::Format Format24Bits = QImage::Format_RGB888;
constexpr int OctetsParPixel = 3;

// The picture itself when it already has 24 bits (a shallow copy), else a converted copy.
inline QImage En24Bits(const QImage &image)
{
    return image.format() == Format24Bits ? image : image.convertToFormat(Format24Bits);
}

// Converts the picture in place; false when it could not be (no memory for it).
inline bool Convertir24Bits(QImage &image)
{
    if (image.format() != Format24Bits && !image.isNull())
        image.convertTo(Format24Bits);
    return image.format() == Format24Bits || image.isNull();
}

// Round to the nearest integer, halves to the even neighbour. Adding 1.5 × 2^52 leaves no bit below
// the units, so the addition itself rounds, in the default rounding mode, which is half to even.
constexpr double Aimant = 6755399441055744.0;
inline double ArrondiPair(double x) { return (x + Aimant) - Aimant; }

// Asks the cache for the byte at base + decalage, which may lie outside the picture: a prefetch never
// faults, and the address is worked out as an integer.
inline void Precharger(const uchar *base, std::int64_t decalage)
{
    __builtin_prefetch(
        reinterpret_cast<const void *>(reinterpret_cast<std::uintptr_t>(base) + std::uintptr_t(decalage)));
}

// Whether the routine can write into the picture as it is: 24 bits, the right size, and no other
// QImage (the source among them) sharing its pixels.
inline bool Reutilisable(const QImage &image, QSize taille)
{
    return image.format() == Format24Bits && image.size() == taille && image.isDetached();
}

// sortie = a AND b over n bytes, eight at a time; sortie may be a or b.
inline void EtOctets(const uchar *a, const uchar *b, uchar *sortie, qsizetype n)
{
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t ma;
        std::uint64_t mb;
        std::memcpy(&ma, a + i, 8);
        std::memcpy(&mb, b + i, 8);
        ma &= mb;
        std::memcpy(sortie + i, &ma, 8);
    }
    for (; i < n; ++i)
        sortie[i] = uchar(a[i] & b[i]);
}

} // namespace fpti
