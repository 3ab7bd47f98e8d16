#pragma once
// Where the bonus meter's picture comes from and where it goes on the face.

#include "geometry/Layout.h"
#include "geometry/Meters.h"

#include <cstdint>

namespace varnholt {

// The meter's picture is a strip of cells for 12 points down to 0; it shows no more than 12.
inline constexpr int kBonusMeterMaxPoints = 12;
inline constexpr int kBonusMeterCellWidth = 78;
inline constexpr int kBonusMeterCellHeight = 59;

// The cell of the nudge-button picture for the (clamped) points: a vertical strip of 13 cells,
// 12 points at the top. Far below 0 the cell lies below the picture, where it shows black.
PixelRect bonusMeterSource(std::int32_t clampedPoints);

// The window box the cell is copied to: a 78 x 59 area centred in the meter box on a face 800
// pixels wide or wider, the whole box (stretched) on a narrower one.
PixelRect bonusMeterTarget(const Layout &layout);

} // namespace varnholt
