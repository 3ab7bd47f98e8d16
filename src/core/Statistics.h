#pragma once
// The figures of the statistics screen and how they are written. Everything is worked out in
// 64 bits, so sums of counters near their limit neither wrap nor lose a digit.

#include "core/GameState.h"

#include <cstdint>
#include <string>

namespace varnholt {

struct GameStatistics {
    std::int64_t payoffs = 0;       // Credits - Borrowed + TotalBets: all the machine paid out
    std::int64_t normalPayoffs = 0; // the payoffs less what the bonus games paid
    double payoffPercentage = 0;    // payoffs per credit bet, x 100; 0 while nothing was bet
};

GameStatistics gameStatistics(const SavedFields &game);

// A whole number with `separator` between groups of three digits, a leading minus sign when
// negative, padded with leading blanks to at least `width` characters (a separator counts as
// one character however many bytes it takes).
std::string formatGrouped(std::int64_t value, const std::string &separator, int width = 10);

// Two decimals in at least four characters, then a percent sign: "75.00%".
std::string formatPercentage(double percentage);

} // namespace varnholt
