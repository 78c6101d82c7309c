#pragma once

#include "common/Couleur.h"

#include <QIODevice>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

// The pictures the diagram is made of, without widgets: the background, the strokes layer laid over
// it, and the exported picture. The surface colour marks where nothing is drawn; it is given
// resolved, as the red, green and blue of the palette's button face.

// The marking colour of a class in "trame.bmp" and the colour it becomes.
struct TeinteClasse {
    TColor marque;
    TColor couleur;
};

// The drawing background in one pass over the pictures: the classes' marking colours of the trame
// replaced by their colours in class order (a pixel a class gave a colour that a later class marks
// is replaced again), ANDed with the line drawing of the plan, faded by the percentage towards white
// as TransparenceBmp does, and the colour its bottom-left pixel then has turned into the surface
// colour. Both pictures must have the same size, else nothing is built and the result is false; fond
// becomes a 24-bit picture of that size, its pixels reused when it already has that size.
bool ConstruireFondDessin(const QImage &trame, const QImage &plan, const std::vector<TeinteClasse> &teintes,
                          int transparence, Rvb surface, QImage &fond);

// The displayed picture: the strokes over the background, the strokes' surface-colour pixels
// letting it through. Where the background is smaller than the strokes, or null, the surface shows.
// affichage is reused when it already has the right size and format; then only the rectangle zone
// is made again, when one is given.
void ComposerAffichage(const QImage &fond, const QImage &traits, Rvb surface, QImage &affichage,
                       const QRect &zone = QRect());

// A joint symbol placed on the exported picture, its top-left corner in the strokes' coordinates.
struct SymbolePlace {
    QImage image;
    QPoint position;
};

// Writes the diagram as a 24-bit BMP file, row by row: the strokes over the background, or the strokes
// alone, then the symbols in order, each leaving out the colour of its own bottom-left pixel, the
// surface colour saved white. False when there is no strokes layer or a write fails.
bool EcrireBmpSchema(QIODevice &sortie, const QImage &fond, const QImage &traits, bool avecFond,
                     const std::vector<SymbolePlace> &symboles, Rvb surface);

// The same into a file, through a temporary file renamed into place: a failure leaves the previous
// file whole and returns the French text that names the path.
std::optional<QString> EnregistrerBmpSchema(const QString &chemin, const QImage &fond, const QImage &traits,
                                            bool avecFond, const std::vector<SymbolePlace> &symboles, Rvb surface);
