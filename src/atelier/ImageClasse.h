#pragma once

#include <QFont>
#include <QImage>

// The font of the drawings and of the class cards: DejaVu Sans at a size in pixels, drawn without
// anti-aliasing so that a picture is the same on every machine.
QFont PoliceDessin(int taillePixels, bool gras = false);

// A card for the joint graph's node of class n: the class's zones, marked in "classes" by MarqueClasse(n),
// tinted on a cut of the drawing, its number in the top-right corner; the top-left corner takes the colour
// square and the bottom-right one the frame symbol. Both pictures are 24 bits and of one size.
QImage ImageClasse(const QImage &plan, const QImage &classes, int n);
