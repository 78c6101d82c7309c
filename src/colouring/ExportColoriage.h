#pragma once

#include "colouring/VerificationColoriage.h"

#include <QImage>

// The coloured drawing as it is saved: the coloured layer with the line drawing ANDed over it, so
// that black lines stay black and white lets the colours through; while the exercise is not finished,
// two lines of text at the top left say so and name the parts or classes found.
// The picture of an earlier export may be handed back as tampon: its memory is used again, which
// spares the system handing out and clearing a whole sheet's worth of new pages.
QImage ImageExportee(const QImage &zone, const QImage &plan, bool fini, ModeColoriage mode,
                     const QList<std::int32_t> &trouves, QImage tampon = {});

inline constexpr int QualiteJpegColoriage = 90;
