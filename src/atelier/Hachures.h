#pragma once

#include "atelier/TrouverZones.h"

#include <QImage>
#include <cstdint>
#include <vector>

// The hatched sections among the regions of paper of a mask labelled 1 to nombre - 1 (0: lines): for
// each label, the smallest label of its section, or itself when it belongs to none. Regions marked in
// `fond` (the outer ground) are never part of a section.
std::vector<std::int32_t> SectionsHachurees(const QImage &masque, const std::int32_t *etiquettes, std::int32_t nombre,
                                            const std::vector<std::uint8_t> &fond, const ReglagesZones &reglages);
