#pragma once
// What one spin returns, exactly: the credits over all 27 000 stop combinations and, when the
// spin opens the bonus game, each of the five chests picked alike. Nudges play no part.

#include "odds/ExactOdds.h"

#include <cstdint>
#include <vector>

namespace varnholt {

struct PayoutOutcome {
    int credits = 0;
    std::int64_t weight = 0; // chances out of PayoutDistribution::denominator
    double probability = 0;
};

struct PayoutDistribution {
    int coins = 0;
    std::int64_t denominator = 0;        // stop combinations times chests
    std::vector<PayoutOutcome> outcomes; // by credits, rising; no outcome of weight 0

    Fraction mean() const; // credits per spin
    int maxCredits() const { return outcomes.empty() ? 0 : outcomes.back().credits; }
};

// For 1, 2 or 3 coins.
PayoutDistribution payoutDistribution(int coins);

} // namespace varnholt
