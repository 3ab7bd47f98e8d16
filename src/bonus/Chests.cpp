#include "bonus/Chests.h"

namespace varnholt {

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
