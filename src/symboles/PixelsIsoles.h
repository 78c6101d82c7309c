#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace symboles {

// Gives every pixel of the listed colours a 2 × 2 square of its own colour, taken on the white
// ground next to it: the ends of arcs, the tips of sharp corners and the slivers left where two
// strokes cross would otherwise be single pixels, lost once the picture is recoloured and turned.
// The picture is Format_RGB888.
void EpaissirPixelsIsoles(QImage &image, const QList<QRgb> &couleurs);

} // namespace symboles
