#pragma once
// The three fixed reel strips and the symbols they show at a stop.

#include <array>
#include <string_view>

namespace varnholt {

enum Symbol : int {
    GoldBars = 0, Knight = 1, Horse = 2, GoldShield = 3, CrossShield = 4,
    Scrolls = 5, Swords = 6, Skull = 7, BonusSymbol = 8, Wild = 9,
    WildFrameB = 10, WildFrameC = 11, // extra animation frames of the Wild, never on a strip
};

inline constexpr int kStripLength = 30;
inline constexpr int kReelCount = 3;

// Positions 1..30 are the characters of each text from the left.
inline constexpr std::array<std::string_view, kReelCount> ReelStrips{
    "012345678456745678123745682367",
    "785473210876543721876547320765",
    "574837291706574635291863513246",
};

inline constexpr std::array<int, kReelCount> kStartStops{8, 9, 7};

// The symbol at a strip position, counted circularly (position 31 is position 1).
int symbolAt(int reel, int position);

// Any position brought into 1..30, circularly.
int wrapStop(int stop);

// The three rows (top, middle, bottom) shown by a reel at a stop.
std::array<int, 3> visibleColumn(int reel, int stop);

// All nine visible symbols: rows[row][reel].
using VisibleSymbols = std::array<std::array<int, 3>, 3>;
VisibleSymbols visibleSymbols(const std::array<int, 3> &stops);

} // namespace varnholt
