#pragma once
// Where the bonus meter's picture comes from and where it goes on the face.

#include "core/Layout.h"
#include "core/Meters.h"

#include <cstdint>

namespace varnholt {

inline constexpr int kBonusMeterMaxPoints = 12;
inline constexpr int kBonusMeterCellWidth = 78;
inline constexpr int kBonusMeterCellHeight = 59;

// Lowers points above 12 to 12 (the meter shows no more); values below 0 are left alone.
std::int32_t clampBonusPoints(std::int32_t BonusPts);

// The cell of the nudge-button picture for the (clamped) points: a vertical strip of 13 cells,
// 12 points at the top. Far below 0 the cell lies below the picture, where it shows black.
PixelRect bonusMeterSource(std::int32_t clampedPoints);

// The window box the cell is copied to: a 78 x 59 area centred in the meter box on a face 800
// pixels wide or wider, the whole box (stretched) on a narrower one.
PixelRect bonusMeterTarget(const Layout &layout);

} // namespace varnholt
