#pragma once
// The bonus game's pick: one chest, then it is over.

#include "bonus/BonusPrizes.h"
#include "geometry/ChestAreas.h"

#include <optional>

namespace varnholt {

static_assert(kChestPlacements.size() == kChestCount, "every dealt prize needs a chest in the picture");

inline constexpr const char *kPickPromptMessage = "Click on one of the Boxes!";

// One bonus game as the player sees it: one pick, then it is over.
struct BonusPick {
    bool BoxPicked = false;
    int chest = -1; // 0-based chest picked
};

// A press on the picture: the chest picked now, or nothing for a press between chests or any
// press after the pick.
std::optional<int> pickChest(BonusPick &pick, int x, int y);

// A press outside the picture: before the pick it only asks for one, after it closes the game.
enum class OutsidePress { ShowPrompt, Close };
OutsidePress pressOutsidePicture(const BonusPick &pick);

} // namespace varnholt
