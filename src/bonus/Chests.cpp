#include "bonus/Chests.h"

namespace varnholt {

std::optional<int> chestAt(int x, int y)
{
    for (int chest = 0; chest < kChestCount; ++chest)
        if (chestRect(chest).contains(x, y))
            return chest;
    return std::nullopt;
}

TextOrigin prizeTextOrigin(int chest, int textWidth, int textHeight)
{
    const ChestRect r = chestRect(chest);
    return {r.left + (r.right - r.left) / 2 - textWidth / 2, r.top + (r.bottom - r.top) / 2 - textHeight / 2};
}

std::optional<int> pickChest(BonusPick &pick, int x, int y)
{
    if (pick.BoxPicked)
        return std::nullopt;
    const auto chest = chestAt(x, y);
    if (chest) {
        pick.BoxPicked = true;
        pick.chest = *chest;
    }
    return chest;
}

OutsidePress pressOutsidePicture(const BonusPick &pick)
{
    return pick.BoxPicked ? OutsidePress::Close : OutsidePress::ShowPrompt;
}

} // namespace varnholt
