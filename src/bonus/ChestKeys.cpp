#include "bonus/ChestKeys.h"

#include "core/Input.h"

namespace varnholt {

namespace {

ChestKeyResult pickAt(BonusPick &pick, int place)
{
    const int chest = kChestsLeftToRight[place];
    pick.BoxPicked = true;
    pick.chest = chest;
    return {false, chest};
}

} // namespace

bool isChestKey(int keyCode)
{
    return (keyCode >= kKey1 && keyCode < kKey1 + kChestCount) || keyCode == kKeyLeft ||
           keyCode == kKeyRight || keyCode == kKeyEnter || keyCode == kKeySpace;
}

ChestKeyResult pressChestKey(BonusPick &pick, ChestHighlight &highlight, int keyCode)
{
    if (pick.BoxPicked || !isChestKey(keyCode))
        return {};
    if (keyCode >= kKey1 && keyCode < kKey1 + kChestCount)
        return pickAt(pick, keyCode - kKey1);
    if (keyCode == kKeyLeft || keyCode == kKeyRight) {
        const int step = keyCode == kKeyRight ? 1 : kChestCount - 1;
        const int from = highlight.place.value_or(keyCode == kKeyRight ? kChestCount - 1 : 0);
        highlight.place = (from + step) % kChestCount;
        return {true, std::nullopt};
    }
    if (!highlight.place) {
        highlight.place = 0;
        return {true, std::nullopt};
    }
    return pickAt(pick, *highlight.place);
}

} // namespace varnholt
