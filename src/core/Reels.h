#pragma once
// The three fixed reel strips and the symbols they show at a stop.

#include <array>
#include <string_view>

namespace varnholt {

enum Symbol : int {
    GoldBars = 0,
    Knight = 1,
    Horse = 2,
    GoldShield = 3,
    CrossShield = 4,
    Scrolls = 5,
    Swords = 6,
    Skull = 7,
    BonusSymbol = 8,
    Wild = 9,
    WildFrameB = 10,
    WildFrameC = 11, // extra animation frames of the Wild, never on a strip
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

// Each strip as symbol codes with its first two positions repeated at the end, so the three
// rows below any stop in 1..30 read without wrapping.
inline constexpr auto kUnrolledStrips = [] {
    std::array<std::array<signed char, kStripLength + 2>, kReelCount> strips{};
    for (int reel = 0; reel < kReelCount; ++reel)
        for (int i = 0; i < kStripLength + 2; ++i)
            strips[reel][i] = static_cast<signed char>(ReelStrips[reel][i % kStripLength] - '0');
    return strips;
}();

// All nine visible symbols: rows[row][reel]. Inline: every evaluation reads it.
using VisibleSymbols = std::array<std::array<int, 3>, 3>;
inline VisibleSymbols visibleSymbols(const std::array<int, 3> &stops)
{
    VisibleSymbols rows{};
    for (int reel = 0; reel < kReelCount; ++reel) {
        int top = stops[reel];
        if (top < 1 || top > kStripLength)
            top = wrapStop(top);
        const auto &strip = kUnrolledStrips[reel];
        for (int row = 0; row < 3; ++row)
            rows[row][reel] = strip[top - 1 + row];
    }
    return rows;
}

} // namespace varnholt
