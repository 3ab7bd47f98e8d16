#pragma once
// Where the five chests stand in the bonus picture and where a press lands on one.

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

// One entry per chest the picture shows; the bonus rules check their chest count against it.
inline constexpr std::array<ChestPlacement, 5> kChestPlacements{{
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

} // namespace varnholt
