#pragma once
// The credits a run of spins returns in total: the sum of independent spins, each returning
// by the payout distribution of its stake. Exact (a dense convolution over credit values) while
// that stays cheap, otherwise the saddlepoint approximation with a lattice continuity
// correction, which follows the long right tail that a normal curve misses.

#include "odds/PayoutDistribution.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnholt {

using PayoutsByCoins = std::array<PayoutDistribution, 3>;
using SpinsByCoins = std::array<std::int64_t, 3>; // spins played at 1, 2 and 3 coins

// The machine's three payout distributions, worked out once.
const PayoutsByCoins &machinePayouts();

// Multiply-adds into a credit cell the exact sum may take (about 10 ms on a busy two-core
// desktop); beyond this it is approximated.
inline constexpr std::int64_t kExactSumBudget = 8'000'000;

class SpinSum {
public:
    SpinSum(const PayoutsByCoins &payouts, const SpinsByCoins &spins,
            std::int64_t exactBudget = kExactSumBudget);

    bool exact() const { return !atMost_.empty(); }
    std::int64_t maxCredits() const { return max_; }
    double mean() const { return mean_; }

    double atMost(std::int64_t credits) const;  // P(S <= credits)
    double atLeast(std::int64_t credits) const; // P(S >= credits)
    // The smallest credits with P(S <= credits) >= q.
    std::int64_t quantile(double q) const;

private:
    struct Tails {
        double below; // P(S < x), x halfway between lattice points
        double above; // P(S > x)
    };
    struct Cumulants {
        double k0, k1, k2; // K(t), K'(t), K''(t)
    };
    bool convolve(std::int64_t budget); // false when over budget
    Cumulants cumulants(double t) const;
    double solveSaddlepoint(double x) const;
    Tails saddlepointTails(double x) const;
    Tails lugannaniRice(double x) const;

    const PayoutsByCoins &payouts_;
    SpinsByCoins spins_;
    std::int64_t max_ = 0;
    double mean_ = 0;
    double variance_ = 0;
    std::vector<double> atMost_;  // exact only: cumulative from below
    std::vector<double> atLeast_; // and from above, so small upper tails keep their digits
};

} // namespace varnholt
