#pragma once

#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <cstdint>
#include <vector>

// Drawings for the workshop's tests, made in code.

// A mask written as rows of '1' (line) and '0' (paper).
QImage MasqueLitteral(const QStringList &lignes);

// Zones written as rows of digits or letters: '0' no zone, '1'…'9' then 'a'… the zone numbers.
std::vector<std::int32_t> ZonesLitterales(const QStringList &lignes);

// A hatched part: `cadre` outlined, filled with lines `epaisseur` thick every
// `ecart` pixels at `angle` degrees (0: along the rows, counted anticlockwise on the screen).
struct PieceHachuree {
    QRect cadre;
    double angle = 45;
    int ecart = 20;
    bool hachuree = true;
    int contour = 5; // thickness of the outline
};
constexpr int EpaisseurHachure = 2;

// The parts drawn on a white grey sheet, anti-aliased, as a scan would give them before any rotation or noise.
QImage DessinGris(QSize taille, const std::vector<PieceHachuree> &pieces);

// The same drawing as a poor scan: greyish paper, grey lines, turned by `degres`, with noise and dust.
QImage CommeScanne(const QImage &gris, double degres, unsigned graine);

// Whether two zone tables cut the sheet the same way, whatever the numbers: the text says where not.
QString ComparerPartitions(const ZonesDessin &a, const ZonesDessin &b);
