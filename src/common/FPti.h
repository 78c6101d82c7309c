#pragma once

#include "common/Couleur.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// Pixel operations on 24-bit pictures. Every routine converts the pictures it is given to
// QImage::Format_RGB888 before touching pixels and leaves its result in that format. Colours are
// resolved with CouleurVersRvb, so a desktop colour takes the palette's current value. None of them
// keeps state between calls.

// The raster operations CopierBmp knows, with the codes the windows have always passed.
enum class OperationRaster : std::uint32_t {
    CopieSource = 0x00CC0020, // the destination becomes the source
    EtSource = 0x008800C6,    // each destination byte becomes source AND destination
};

inline const QString MessageTaillesDifferentes =
    QStringLiteral("La procedure \"CopierColorBmpToColorImage\" ne peut être utilisé.\n"
                   "La taille des images est différente !");

// Gives every pixel of the destination whose pixel at the same place in the source is exactly the
// colour cherchee the colour nouvelle; other pixels keep their values. Source and destination may be
// the same picture. When their sizes differ nothing changes and the message to show is returned.
std::optional<QString> CopierColorBmpToColorImage(const QImage &source, QImage &destination, TColor cherchee,
                                                  TColor nouvelle);

// Turns the source about its centre pixel (half its width, half its height) by angle degrees,
// anticlockwise on the screen for a positive angle, into a destination of the source's size.
// Destination pixels that come from outside the source take the colour fond. Each destination pixel
// (x, y) shows the source pixel (cx + u / 2, cy + v / 2), where u and v are the rotated doubled offsets
// of the pixel's centre rounded half to even and the halving drops the remainder towards zero.
// Source and destination may be the same picture.
void RotationBmp(const QImage &source, QImage &destination, TColor fond, double angle);

// Each channel p becomes r clamped to 0 ... 255, with q = Round(p * gain) and
// r = Round((q - pivot) * facteur + q), rounding halves to even.
void ContrasteBmp(int pivot, QImage &image, double gain, double facteur);

// Fades the picture towards white: -100 turns it white, -50 halves every channel's distance to white,
// 0 leaves it as it is; a positive percentage moves channels away from white.
void TransparenceBmp(QImage &image, int pourcentage);

// Fills the whole picture (of an image control) with the colour.
void RemplirImage(QImage &image, TColor couleur);

// Gives the destination the source's size, keeping its pixels where the two overlap and white
// elsewhere, then draws the source on it with the operation. With CopieSource the destination becomes
// a copy of the source; with EtSource white source pixels leave it unchanged and black ones blacken it.
void CopierBmp(const QImage &source, QImage &destination, OperationRaster operation);
