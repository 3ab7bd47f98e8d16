#include "bonus/BonusMeter.h"

namespace varnholt {

std::int32_t clampBonusPoints(std::int32_t BonusPts)
{
    return BonusPts > kBonusMeterMaxPoints ? kBonusMeterMaxPoints : BonusPts;
}

PixelRect bonusMeterSource(std::int32_t clampedPoints)
{
    // 64-bit product: a negative saved value far below 0 must not wrap the offset.
    const std::int64_t y = std::int64_t(kBonusMeterMaxPoints - std::int64_t(clampedPoints)) * kBonusMeterCellHeight;
    const int cellY = y > INT32_MAX ? INT32_MAX : int(y);
    return {0, cellY, kBonusMeterCellWidth, kBonusMeterCellHeight};
}

PixelRect bonusMeterTarget(const Layout &layout)
{
    const int left = layout.Scale(578);
    const int top = layout.Scale(223);
    const int width = layout.Scale(656) - left;
    const int height = layout.Scale(282) - top;
    if (layout.width < 800)
        return {left, top, width, height};
    return {left + (width - kBonusMeterCellWidth) / 2, top + (height - kBonusMeterCellHeight) / 2,
            kBonusMeterCellWidth, kBonusMeterCellHeight};
}

} // namespace varnholt
