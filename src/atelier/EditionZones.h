#pragma once

#include "atelier/TrouverZones.h"
#include "atelier/ZonesDessin.h"

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <climits>
#include <cstdint>
#include <vector>

// What an edit changed, kept to undo it: the squares of the sheet it wrote to, as they were, and the index.
struct ModificationZones {
    struct Carreau {
        QRect cadre;
        std::vector<std::int32_t> etiquettes; // row after row
        QImage trait;
    };
    std::vector<Carreau> carreaux;
    IndexZonesDessin index;
    std::vector<std::uint8_t> composee;
    std::int32_t nombre = 0;
};

// A drawing and its zones as the teacher corrects them: two zones merged, a zone cut by a stroke, a gap in
// a line closed by a stroke. Each correction reaches only the pixels of the zones it touches, through the
// index of their rectangles, and zones stay numbered 1 to nombre without a gap: when a number is freed,
// the last zone takes it.
class EditionZones {
public:
    // `trait`: the black-on-white drawing (Format_RGB888) the zones were found on; zones of another size
    // than the drawing are dropped. Show trait() rather than a copy kept aside: a picture shared with
    // another is copied whole at the first stroke.
    EditionZones(QImage trait, ZonesDessin zones, int aireMin);

    const QImage &trait() const { return trait_; }
    const ZonesDessin &zones() const { return zones_; }
    const IndexZonesDessin &index() const { return index_; }
    int aireMin() const { return aireMin_; }

    // The zone under a point of the sheet, 0 for none (a line, the ground, outside the sheet).
    std::int32_t zoneEn(QPoint point) const;
    // The same, or on a line the zone nearest the point within `rayon` pixels: a click at a low zoom falls on
    // the thin lines of a hatched section as often as between them.
    std::int32_t zoneProche(QPoint point, int rayon) const;

    // Zone `absorbee` becomes part of zone `gardee`. Returns the rectangle of the pixels that changed,
    // empty when the numbers are not two different zones.
    QRect FusionnerZones(std::int32_t gardee, std::int32_t absorbee);

    static constexpr int EpaisseurTraitMax = 64;

    // Draws the polyline in black, `epaisseur` pixels wide (1 to EpaisseurTraitMax), and finds the zones
    // again on both sides: a zone cut in two becomes two zones, a region the stroke closes off from the
    // ground becomes a zone. Returns the rectangle of the pixels that changed.
    QRect TracerTrait(const QPolygon &trace, int epaisseur);

    // What the last edit changed, as it was before: kept by the window's undo command. Undo and redo are
    // both Echanger: the drawing takes the state kept and gives back the one it replaces, in proportion to
    // the squares the edit wrote to.
    ModificationZones PrendreModification();
    ModificationZones Echanger(ModificationZones modification);

private:
    // The pixels of a stroke while the zones beside it are found again.
    static constexpr std::int32_t MarqueTrait = INT32_MIN;

    bool blanc(int x, int y) const { return trait_.constScanLine(y)[3 * x] != 0; }
    std::int32_t &etiquette(int x, int y)
    {
        return zones_.etiquettes[std::size_t(y) * std::size_t(zones_.taille.width()) + std::size_t(x)];
    }
    void renumeroter(QRect cadre, std::int32_t de, std::int32_t vers);
    // Before the pixel (x, y), or any pixel of `cadre`, is first written by an edit, its square is kept.
    void noter(int x, int y);
    void noter(QRect cadre);
    void commencerModification();
    QRect compacterNumeros(std::vector<std::int32_t> vides);
    std::vector<QPoint> pixelsDuTrait(const QPolygon &trace, int epaisseur) const;
    QRect retrouverZones(const std::vector<QPoint> &graines);

    QImage trait_;
    ZonesDessin zones_;
    IndexZonesDessin index_;
    int aireMin_;
    std::vector<std::uint8_t> composee_; // by zone: made of several separate regions of paper
    ModificationZones modification_;
    std::vector<std::uint8_t> carreauNote_; // by square of the sheet: kept in modification_
};
