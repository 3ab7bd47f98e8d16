#include "geometry/BonusMeterCell.h"

#include <algorithm>

namespace varnholt {

PixelRect bonusMeterSource(std::int32_t clampedPoints)
{
    // 64-bit product: a negative saved value far below 0 must not wrap the offset; the bottom
    // edge must still fit an int.
    const std::int64_t y = (kBonusMeterMaxPoints - std::int64_t(clampedPoints)) * kBonusMeterCellHeight;
    const int top = int(std::min<std::int64_t>(y, INT32_MAX - kBonusMeterCellHeight));
    return {0, top, kBonusMeterCellWidth, top + kBonusMeterCellHeight};
}

PixelRect bonusMeterTarget(const Layout &layout)
{
    const int left = layout.Scale(578);
    const int top = layout.Scale(223);
    const int right = layout.Scale(656);
    const int bottom = layout.Scale(282);
    if (layout.width < 800)
        return {left, top, right, bottom};
    const int cellLeft = left + (right - left - kBonusMeterCellWidth) / 2;
    const int cellTop = top + (bottom - top - kBonusMeterCellHeight) / 2;
    return {cellLeft, cellTop, cellLeft + kBonusMeterCellWidth, cellTop + kBonusMeterCellHeight};
}

} // namespace varnholt
