#pragma once
// The symbol combinations that open the pick-a-box bonus game.

#include "core/Reels.h"

namespace varnholt {

// Bonus, Bonus, Bonus opens the game on any row, covered by the bet or not;
// Bonus, Bonus, Wild only on a covered line.
constexpr bool triggersBonus(int s1, int s2, int s3, bool played)
{
    if (s1 != BonusSymbol || s2 != BonusSymbol)
        return false;
    return s3 == BonusSymbol || (s3 == Wild && played);
}

} // namespace varnholt
