#pragma once
// The points the bonus meter shows.

#include "geometry/BonusMeterCell.h"

#include <cstdint>

namespace varnholt {

// Lowers points above 12 to 12 (the meter shows no more); values below 0 are left alone.
std::int32_t clampBonusPoints(std::int32_t BonusPts);

} // namespace varnholt
