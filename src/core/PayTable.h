#pragma once
// The pay lines and the pay table. Each coin buys one line and every line pays on its own;
// the payout is never multiplied by the coins bet.

#include "core/Reels.h"

#include <array>

namespace varnholt {

inline constexpr int kLineCount = 3;

// Screen row of each line, in the order the coins buy them: middle, top, bottom.
inline constexpr std::array<int, kLineCount> kLineRows{1, 0, 2};

// Line i is covered by the bet when more than i coins are in.
constexpr bool linePlayed(int line, int coinsBet) { return coinsBet > line; }

// Credits for the first two reels showing `symbol` and the third showing it or the Wild.
struct PayRow {
    int symbol;
    int pays;
};

// Tested from the top; the first matching row decides the line.
inline constexpr std::array<PayRow, 8> PayTable{{
    {GoldBars, 250},
    {Knight, 50},
    {Horse, 20},
    {GoldShield, 18},
    {CrossShield, 14},
    {Scrolls, 12},
    {Swords, 10},
    {Skull, 3},
}};

// The pay table indexed by symbol, the first row of a symbol winning: a line is judged with one
// lookup instead of a walk down the rows.
inline constexpr auto kPaysBySymbol = [] {
    std::array<int, 12> pays{};
    for (auto row = PayTable.rbegin(); row != PayTable.rend(); ++row)
        pays[row->symbol] = row->pays;
    return pays;
}();

// Credits one played line pays for reel symbols s1, s2, s3 (0 when it matches no row).
constexpr int linePays(int s1, int s2, int s3)
{
    if (s1 != s2 || s1 < 0 || s1 >= int(kPaysBySymbol.size()))
        return 0;
    return s3 == s1 || s3 == Wild ? kPaysBySymbol[s1] : 0;
}

} // namespace varnholt
