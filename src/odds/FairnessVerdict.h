#pragma once
// "Is it fair?": whether the credits a player's spins returned fit what the machine pays,
// judged against the exact distribution of that many spins at those stakes.

#include "odds/SpinSum.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

struct PlayRecord {
    SpinsByCoins spins{};             // spins played at 1, 2 and 3 coins
    std::int64_t creditsReturned = 0; // line wins at the stops plus bonus credit prizes
};

enum class Verdict { Within, UnusuallyLucky, UnusuallyUnlucky };

// Counts of players shown beyond this are shown as this.
inline constexpr std::int64_t kMostPlayersCounted = 1'000'000'000'000'000;

struct FairnessVerdict {
    double expectedPercent = 0; // credits returned per credit bet, in percent
    double seenPercent = 0;
    double lowPercent = 0; // 95 % of players see between these two
    double highPercent = 0;
    double tail = 1; // chance of a result at least this far from the median, on the side seen
    Verdict verdict = Verdict::Within;
    std::int64_t oneIn = 0; // about 1 player in oneIn sees this; 0 when within
    bool exact = true;      // from the exact sum, not the approximation
};

// No verdict for no spins, nor for a record no play can produce (a negative count, or more
// credits than every spin's top pay).
std::optional<FairnessVerdict> judgeFairness(const PlayRecord &record);
std::optional<FairnessVerdict> judgeFairness(const PlayRecord &record, const SpinSum &sum);

// The player count for a tail chance: 1 / tail to two significant figures.
std::int64_t playersPerSighting(double tail);
// 1300 as "1,300".
std::string withThousandsSeparators(std::int64_t value);
// The game's sentence for the verdict.
std::string verdictSentence(const FairnessVerdict &verdict);

} // namespace varnholt
