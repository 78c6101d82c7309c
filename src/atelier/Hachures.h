#pragma once

#include "atelier/Composantes.h"
#include "atelier/TrouverZones.h"

#include <QImage>
#include <cstdint>
#include <vector>

// The hatched sections among the regions of paper of a mask: for each region, the smallest region number of
// its section, or its own when it belongs to none. Regions marked in `fond` (the outer ground) are never
// part of a section.
std::vector<std::int32_t> SectionsHachurees(const QImage &masque, const Composantes &blancs,
                                            const std::vector<std::uint8_t> &fond, const ReglagesZones &reglages);
