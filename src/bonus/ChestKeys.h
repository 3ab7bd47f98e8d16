#pragma once
// Playing the bonus game from the keyboard: keys 1 to 5 pick the chests in the order they stand
// from left to right, and a highlight moved with Left and Right picks with Enter or Space.

#include "bonus/Chests.h"

#include <array>
#include <optional>
#include <utility>

namespace varnholt {

// Chest indexes (0-based) ordered by their left edges in the room.
constexpr std::array<int, kChestCount> chestsLeftToRight()
{
    std::array<int, kChestCount> order{};
    for (int k = 0; k < kChestCount; ++k)
        order[k] = k;
    for (int i = 1; i < kChestCount; ++i)
        for (int j = i; j > 0 && kChestPlacements[order[j]].left < kChestPlacements[order[j - 1]].left; --j)
            std::swap(order[j], order[j - 1]);
    return order;
}

inline constexpr std::array<int, kChestCount> kChestsLeftToRight = chestsLeftToRight();

// The highlighted chest's place from the left; none until the player first moves it.
struct ChestHighlight {
    std::optional<int> place;
    int chest() const { return place ? kChestsLeftToRight[*place] : -1; }
};

struct ChestKeyResult {
    bool highlightMoved = false; // redraw the highlight
    std::optional<int> picked;   // chest picked now (0-based)
};

// The keys the bonus game answers to, picked or not.
bool isChestKey(int keyCode);

// One key press in the bonus window. Left and Right move the highlight round the row (from
// none to the first or last chest); Enter and Space pick the highlighted chest, or first show
// the highlight on the leftmost. Nothing acts once a chest has been picked.
ChestKeyResult pressChestKey(BonusPick &pick, ChestHighlight &highlight, int keyCode);

} // namespace varnholt
