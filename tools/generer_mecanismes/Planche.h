#pragma once

#include "Mecanisme.h"

#include <QImage>
#include <QTransform>

// The sheet as a scanner gives it: A3 at 150 dpi.
inline constexpr QSize TaillePlanche(2480, 1754);

// From the mechanism's drawing area to the pixels of the sheet, centred.
QTransform TransformationPlanche(const Mecanisme &m, QSize page = TaillePlanche);

// The bill of materials stands on the title block, one row per part under a row of headings; the
// title block fills the drawing area's bottom right corner, 400 × 120, 10 from its edges. The views
// and the part labels keep clear of both.
inline constexpr double HauteurLigneNomenclature = 18;
QRectF CadreNomenclature(const Mecanisme &m);
QRectF CadreCartoucheEtNomenclature(const Mecanisme &m);

// The frame, the views, the part labels, the title block and the bill of materials, on a painter whose
// logical area is the mechanism's drawing area. Gives the zones in the order they were opened.
std::vector<ZoneDessin> DessinerPlanche(QPainter &p, const Mecanisme &m, Calque calque);

// One layer at the sheet's size, 24 bits, white ground, drawn without anti-aliasing.
QImage ImagePlanche(const Mecanisme &m, Calque calque);

// The zones in the order their key colours are numbered.
std::vector<ZoneDessin> ZonesPlanche(const Mecanisme &m);

void Texte(QPainter &p, const QRectF &boite, int taille, bool gras, const QString &texte,
           Qt::Alignment alignement = Qt::AlignCenter);
// Trace of a section plane: thick ends outside the view, arrows showing where one looks from.
void TraceCoupe(QPainter &p, double x, double haut, double bas, double sens, const QString &lettre);
