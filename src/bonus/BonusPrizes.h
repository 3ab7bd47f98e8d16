#pragma once
// The five prizes hidden in the bonus game's chests, how they are dealt and what they pay.

#include "core/GameState.h"
#include "core/Random.h"

#include <array>
#include <cstdint>
#include <string>

namespace varnholt {

inline constexpr int kChestCount = 5;

// Entry k is the prize behind chest k + 1. The value kNudgePrize stands for "6 Nudges";
// every other value is a number of credits.
using BonusPrizes = std::array<std::int32_t, kChestCount>;

inline constexpr std::int32_t kNudgePrize = 1;
inline constexpr std::int32_t kNudgePrizeNudges = 6;

// The prizes before the deal, chest 1 to 5.
inline constexpr BonusPrizes kUndealtPrizes{1, 100, 50, 25, 25};

// Deals the prizes: 1001 rounds, each swapping entry i with entry Random(5) for i = 0..4.
BonusPrizes ShuffleBonusPrizes(RandomSource &random);

// "6 Nudges" for the nudge prize, otherwise the credits followed by " Credits".
std::string prizeText(std::int32_t prize);

// Credits a prize adds to the winnings (0 for the nudge prize).
constexpr std::int32_t prizeCredits(std::int32_t prize) { return prize == kNudgePrize ? 0 : prize; }

// Pays a picked prize into the game at once: 6 nudges, or credits into both SpinWin and
// BonusWon, so the two can never disagree however the bonus window is closed.
void applyBonusPrize(GameState &state, std::int32_t prize);

} // namespace varnholt
