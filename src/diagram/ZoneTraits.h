#pragma once

#include "common/Couleur.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

// A rectangle of the strokes layer as the undo history keeps it: only the runs of pixels of one colour
// other than the surface, row by row. Strokes are a few pens' lines on the surface, so a rectangle the
// size of the sheet that holds a few lines costs a few bytes per line row, not three per pixel.
class ZoneTraits {
public:
    ZoneTraits() = default;
    // What the rectangle zone of the 24-bit picture calque holds, zone cut to the picture.
    ZoneTraits(const QImage &calque, const QRect &zone, Rvb surface);
    // A rectangle that holds only the surface.
    ZoneTraits(const QRect &zone, Rvb surface) : zone_(zone), surface_(surface) {}

    const QRect &zone() const { return zone_; }
    bool vide() const { return segments_.empty(); }
    // Puts the rectangle back into calque: the surface, then the strokes it held.
    void Poser(QImage &calque) const;
    qsizetype octets() const;
    bool operator==(const ZoneTraits &) const = default;

private:
    struct Segment {
        std::int32_t y;
        std::int32_t x;
        std::int32_t longueur;
        std::uint32_t couleur; // the three bytes of the pixel, in the picture's order
        bool operator==(const Segment &) const = default;
    };
    QRect zone_;
    Rvb surface_;
    std::vector<Segment> segments_;
};
