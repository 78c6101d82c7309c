#pragma once

#include <QImage>

// The pixels where two pictures of one size differ once both are blurred over 3 × 3, a pixel of either counting
// when nothing within a pixel of it in the other is like it: an edge smoothed in one and not in the other, or a
// line a pixel aside, counts for nothing; a stroke or a symbol out of place, for most of its pixels.
int PixelsDifferents(const QImage &a, const QImage &b);
