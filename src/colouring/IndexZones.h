#pragma once

#include "common/Couleur.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A run of pixels of one row: columns x0 to x1 - 1 of row y.
struct Trait {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
    friend bool operator==(const Trait &, const Trait &) = default;
};

// Where each zone of a zone map lies, as runs of pixels, so that painting, highlighting and
// recolouring a zone cost in proportion to the zone and not to the sheet. Zones that share a key
// colour share their runs: they are one area of the map.
class IndexZones {
public:
    IndexZones() = default;
    // One pass over the map (Format_RGB888) for the key colours of zones 1 to nombreZones of
    // couleurZone (indices from 1); white and black belong to no zone.
    IndexZones(const QImage &trame, const std::vector<TColor> &couleurZone, std::int32_t nombreZones);

    // The runs of zone 1 to nombreZones, sorted by row then column; empty for a zone not on the map.
    std::span<const Trait> Traits(std::int32_t zone) const;
    // The smallest rectangle holding the zone's pixels; empty for a zone not on the map.
    QRect Cadre(std::int32_t zone) const;
    // Gives every pixel of the zone the colour, in a picture of the map's size.
    void Peindre(QImage &image, std::int32_t zone, TColor couleur) const;
    // The key colour of the map at a point when it is one of the zones', so that the map itself need
    // not be kept; nothing on white, black, another colour or outside the map.
    std::optional<TColor> CleEn(QPoint point) const;

private:
    int groupe(std::int32_t zone) const;

    // A run of a row that belongs to a zone, with the index of its key colour.
    struct TraitDeLigne {
        int x0;
        int x1;
        int groupe;
    };

    std::vector<int> groupeDeZone_; // zone -> index of its key colour's runs, or -1
    std::vector<std::vector<Trait>> traits_;
    std::vector<QRect> cadres_;
    std::vector<TColor> cleDeGroupe_;
    // The runs of row y are ligne_[debutLigne_[y]] to ligne_[debutLigne_[y + 1] - 1], by column.
    std::vector<std::uint32_t> debutLigne_;
    std::vector<TraitDeLigne> ligne_;
};

// The zone of a zone-map colour: -1 for white and black, else the smallest n of 1 to nombreZones
// whose key colour it is, else -1.
int NumeroZone(const std::vector<TColor> &couleurZone, std::int32_t nombreZones, TColor couleur);
// The colour of a pixel of a Format_RGB888 picture; nothing outside it.
std::optional<TColor> CouleurPixel(const QImage &image, QPoint position);

// What the student sees over a rectangle of the drawing: the coloured layer, the highlighted runs in
// grey above it, and the line drawing above both with its pixels of the colour transparent left out.
// The pictures are Format_RGB888 of one size; the result has the rectangle's size.
QImage ComposerAffichage(const QImage &zone, const QImage &plan, TColor transparent,
                         std::span<const Trait> surbrillance, const QRect &rectangle);

inline constexpr TColor GrisSurbrillance = 0x00808080;
