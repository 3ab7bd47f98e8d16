#include "geometry/ChestAreas.h"

namespace varnholt {

std::optional<int> chestAt(int x, int y)
{
    for (int chest = 0; chest < int(kChestPlacements.size()); ++chest)
        if (chestRect(chest).contains(x, y))
            return chest;
    return std::nullopt;
}

TextOrigin prizeTextOrigin(int chest, int textWidth, int textHeight)
{
    const ChestRect r = chestRect(chest);
    return {r.left + (r.right - r.left) / 2 - textWidth / 2, r.top + (r.bottom - r.top) / 2 - textHeight / 2};
}

} // namespace varnholt
