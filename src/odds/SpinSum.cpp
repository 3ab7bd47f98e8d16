#include "odds/SpinSum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varnholt {

namespace {

// Chances below this are dropped at the ends after each spin: far under any figure shown (counts
// stop at kMostPlayersCounted), and the sum's reach then grows with its spread, not its top pay.
constexpr double kNegligible = 1e-30;

double normalBelow(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }
double normalDensity(double z) { return std::exp(-0.5 * z * z) / std::sqrt(2 * std::numbers::pi); }

} // namespace

const PayoutsByCoins &machinePayouts()
{
    static const PayoutsByCoins payouts{payoutDistribution(1), payoutDistribution(2), payoutDistribution(3)};
    return payouts;
}

SpinSum::SpinSum(const PayoutsByCoins &payouts, const SpinsByCoins &spins, std::int64_t exactBudget)
    : payouts_(payouts), spins_(spins)
{
    std::size_t fewestOutcomes = SIZE_MAX;
    for (int c = 0; c < 3; ++c) {
        if (spins[c] > 0)
            fewestOutcomes = std::min(fewestOutcomes, payouts[c].outcomes.size());
        double m = 0, m2 = 0;
        for (const PayoutOutcome &o : payouts[c].outcomes) {
            m += o.probability * o.credits;
            m2 += o.probability * double(o.credits) * o.credits;
        }
        mean_ += double(spins[c]) * m;
        variance_ += double(spins[c]) * (m2 - m * m);
        max_ += spins[c] * payouts[c].maxCredits();
    }
    // Cells kept after k spins span at least two standard deviations of their sum, so the
    // convolution costs at least this: no need to start one that cannot finish in budget.
    const double spinsTotal = double(spins[0] + spins[1] + spins[2]);
    const double leastWork = double(fewestOutcomes) * 4 / 3 * std::sqrt(variance_) * spinsTotal;
    if (leastWork > double(exactBudget) || !convolve(exactBudget)) {
        atMost_.clear();
        atLeast_.clear();
    }
}

bool SpinSum::convolve(std::int64_t budget)
{
    // cells[i] is P(S = first + i); cells too small to matter are cut from both ends.
    std::vector<double> cells{1.0};
    std::vector<double> next;
    std::int64_t first = 0;
    for (int c = 0; c < 3; ++c) {
        const auto &outcomes = payouts_[c].outcomes;
        for (std::int64_t spin = 0; spin < spins_[c]; ++spin) {
            budget -= std::int64_t(cells.size() * outcomes.size());
            if (budget < 0)
                return false;
            next.assign(cells.size() + std::size_t(payouts_[c].maxCredits()), 0.0);
            for (const PayoutOutcome &o : outcomes) {
                double *__restrict to = next.data() + o.credits;
                const double *__restrict from = cells.data();
                const double p = o.probability;
                for (std::size_t i = 0, n = cells.size(); i < n; ++i)
                    to[i] += p * from[i];
            }
            const auto kept = [](double cell) { return cell >= kNegligible; };
            const auto low = std::find_if(next.begin(), next.end(), kept);
            const auto high = std::find_if(next.rbegin(), next.rend(), kept).base();
            first += low - next.begin();
            cells.assign(low, high);
        }
    }
    atMost_.assign(std::size_t(first), 0.0);
    atMost_.resize(std::size_t(first) + cells.size());
    atLeast_.assign(atMost_.size(), 1.0);
    double sum = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
        atMost_[std::size_t(first) + i] = sum += cells[i];
    sum = 0;
    for (std::size_t i = cells.size(); i-- > 0;)
        atLeast_[std::size_t(first) + i] = sum += cells[i];
    return true;
}

double SpinSum::atMost(std::int64_t credits) const
{
    if (credits < 0)
        return 0;
    if (credits >= max_)
        return 1;
    if (exact())
        return credits < std::int64_t(atMost_.size()) ? std::min(1.0, atMost_[std::size_t(credits)]) : 1.0;
    return saddlepointTails(double(credits) + 0.5).below;
}

double SpinSum::atLeast(std::int64_t credits) const
{
    if (credits <= 0)
        return 1;
    if (credits > max_)
        return 0;
    if (exact())
        return credits < std::int64_t(atLeast_.size()) ? std::min(1.0, atLeast_[std::size_t(credits)]) : 0.0;
    return saddlepointTails(double(credits) - 0.5).above;
}

std::int64_t SpinSum::quantile(double q) const
{
    if (exact())
        return std::lower_bound(atMost_.begin(), atMost_.end(), q) - atMost_.begin();
    std::int64_t lo = 0, hi = max_; // atMost(hi) >= q always
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (atMost(mid) >= q)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

SpinSum::Cumulants SpinSum::cumulants(double t) const
{
    Cumulants k{0, 0, 0};
    for (int c = 0; c < 3; ++c) {
        if (spins_[c] == 0)
            continue;
        const auto &outcomes = payouts_[c].outcomes;
        // Scaled by the largest exponent so e^(t x) cannot overflow.
        const double shift = t > 0 ? t * outcomes.back().credits : t * outcomes.front().credits;
        double s0 = 0, s1 = 0;
        for (const PayoutOutcome &o : outcomes) {
            const double e = o.probability * std::exp(t * o.credits - shift);
            s0 += e;
            s1 += e * o.credits;
        }
        const double m = s1 / s0;
        double s2 = 0;
        for (const PayoutOutcome &o : outcomes)
            s2 += o.probability * std::exp(t * o.credits - shift) * (o.credits - m) * (o.credits - m);
        const double n = double(spins_[c]);
        k.k0 += n * (shift + std::log(s0));
        k.k1 += n * m;
        k.k2 += n * s2 / s0;
    }
    return k;
}

// The t with K'(t) = x, for x strictly between the least and the most the spins can return.
double SpinSum::solveSaddlepoint(double x) const
{
    const double sd = std::sqrt(variance_);
    double lo = 0, hi = 0;
    double step = x > mean_ ? 1 / sd : -1 / sd;
    for (int i = 0; i < 200; ++i, step *= 2) {
        const double t = step;
        if ((cumulants(t).k1 > x) == (step > 0)) {
            (step > 0 ? hi : lo) = t;
            break;
        }
        (step > 0 ? lo : hi) = t;
    }
    double t = (lo + hi) / 2;
    for (int i = 0; i < 200; ++i) {
        const Cumulants k = cumulants(t);
        if (std::abs(k.k1 - x) < 1e-10 * std::max(1.0, std::abs(x)))
            break;
        (k.k1 < x ? lo : hi) = t;
        double newton = t - (k.k1 - x) / k.k2;
        if (!(newton > lo && newton < hi))
            newton = (lo + hi) / 2;
        if (newton == t)
            break;
        t = newton;
    }
    return t;
}

SpinSum::Tails SpinSum::saddlepointTails(double x) const
{
    // The formula divides by a vanishing w at the mean: read it a little to either side there.
    const double h = 1e-3 * std::sqrt(variance_);
    if (std::abs(x - mean_) >= h)
        return lugannaniRice(x);
    const Tails left = lugannaniRice(mean_ - h), right = lugannaniRice(mean_ + h);
    const double f = (x - (mean_ - h)) / (2 * h);
    return {left.below + f * (right.below - left.below), left.above + f * (right.above - left.above)};
}

// Lugannani-Rice with Daniels' second continuity correction for a lattice of span 1.
SpinSum::Tails SpinSum::lugannaniRice(double x) const
{
    const double t = solveSaddlepoint(x);
    const Cumulants k = cumulants(t);
    const double w = std::copysign(std::sqrt(std::max(0.0, 2 * (t * x - k.k0))), t);
    const double u = 2 * std::sinh(t / 2) * std::sqrt(k.k2);
    const double correction = normalDensity(w) * (1 / w - 1 / u);
    const double below = std::clamp(normalBelow(w) + correction, 0.0, 1.0);
    const double above = std::clamp(normalBelow(-w) - correction, 0.0, 1.0);
    return {below, above};
}

} // namespace varnholt
