#pragma once
// The five chests of the bonus picture, where a press picks one, and the pick itself.

#include "bonus/BonusPrizes.h"

#include <array>
#include <optional>

namespace varnholt {

// Bounds in bonus-picture pixels; both ends of each range belong to the chest.
struct ChestRect {
    int left, top, right, bottom;
    constexpr bool contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
};

// Where each chest's pictures go and how large its half-open picture is.
struct ChestPlacement {
    int left, top, width, height;
};

inline constexpr std::array<ChestPlacement, kChestCount> kChestPlacements{{
    {15, 408, 191, 179},  // large chest, front left
    {594, 394, 191, 179}, // large chest, front right
    {485, 356, 100, 94},  // small chest, back right
    {238, 368, 100, 94},  // small chest, back left
    {349, 404, 125, 118}, // middle chest
}};

// Right and bottom are left + width and top + height: the hit area reaches one pixel past the picture.
constexpr ChestRect chestRect(int chest)
{
    const ChestPlacement &p = kChestPlacements[chest];
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

// The first chest (0-based, tested 1 to 5) holding the point, if any.
std::optional<int> chestAt(int x, int y);

// Top-left corner for prize text of the given size, centred on the chest.
struct TextOrigin {
    int x, y;
};
TextOrigin prizeTextOrigin(int chest, int textWidth, int textHeight);

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
