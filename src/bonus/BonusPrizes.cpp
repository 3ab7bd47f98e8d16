#include "bonus/BonusPrizes.h"

#include "core/Counters.h"

#include <utility>

namespace varnholt {

BonusPrizes ShuffleBonusPrizes(RandomSource &random)
{
    BonusPrizes prizes = kUndealtPrizes;
    for (int round = 0; round < 1001; ++round)
        for (int i = 0; i < kChestCount; ++i)
            std::swap(prizes[i], prizes[random.Random(kChestCount)]);
    return prizes;
}

std::string prizeText(std::int32_t prize)
{
    if (prize == kNudgePrize)
        return "6 Nudges";
    return std::to_string(prize) + " Credits";
}

void applyBonusPrize(GameState &state, std::int32_t prize)
{
    if (prize == kNudgePrize) {
        state.Nudges = addCapped(state.Nudges, kNudgePrizeNudges);
        return;
    }
    state.SpinWin = addCapped(state.SpinWin, prize);
    state.BonusWon = addCapped(state.BonusWon, prize);
}

} // namespace varnholt
