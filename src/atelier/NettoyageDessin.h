#pragma once

#include <QImage>

// From a drawing in grey to black lines on white. A "masque" is a Format_Grayscale8 picture of the sheet
// holding only 0 (a line) and 255 (the paper): what the zones are found on. A picture of another format
// given where a mask or a grey drawing is expected is converted first.

// Every pixel darker than `seuil` (0 to 256) becomes a line, every other one paper.
QImage SeuillerDessin(const QImage &gris, int seuil);

// Removes the specks: every group of line pixels (touching by a side or a corner) of fewer than
// `aireMin` pixels becomes paper.
void RetirerPoussieres(QImage &masque, int aireMin);

// The mask as the 24-bit black-on-white picture the windows show and the mechanism keeps.
QImage TraitNoirSurBlanc(const QImage &masque);

// Back from such a picture (or any picture) to a mask: a pixel is paper when its red byte is at least 128.
QImage MasqueDuTrait(const QImage &trait);
