#include "odds/FairnessVerdict.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace varnholt;

namespace {

using Chances = std::map<std::int64_t, double>; // credits -> chance

// The total of one spin at each listed stake, by enumerating every pair of outcomes.
Chances enumerate(const std::vector<int> &stakes)
{
    Chances sum{{0, 1.0}};
    for (const int coins : stakes) {
        Chances next;
        for (const auto &[credits, p] : sum)
            for (const PayoutOutcome &o : machinePayouts()[std::size_t(coins - 1)].outcomes)
                next[credits + o.credits] += p * o.probability;
        sum = next;
    }
    return sum;
}

std::int64_t quantile(const Chances &chances, double q)
{
    double below = 0;
    for (const auto &[credits, p] : chances)
        if ((below += p) >= q)
            return credits;
    return chances.rbegin()->first;
}

} // namespace

TEST(FairnessVerdict, SmallRunsMatchEnumeration)
{
    const std::vector<std::pair<SpinsByCoins, std::vector<int>>> cases{
        {{1, 0, 0}, {1}}, {{2, 0, 0}, {1, 1}}, {{1, 0, 1}, {1, 3}}};
    for (const auto &[spins, stakes] : cases) {
        const Chances chances = enumerate(stakes);
        const SpinSum sum(machinePayouts(), spins);
        ASSERT_TRUE(sum.exact());
        const std::int64_t bet = spins[0] + 2 * spins[1] + 3 * spins[2];
        const std::int64_t median = quantile(chances, 0.5);
        for (std::int64_t seen = 0; seen <= sum.maxCredits(); ++seen) {
            double atMost = 0, atLeast = 0;
            for (const auto &[credits, p] : chances)
                (credits <= seen ? atMost : atLeast) += credits == seen ? 0 : p;
            const double here = chances.contains(seen) ? chances.at(seen) : 0.0;
            const auto v = judgeFairness({spins, seen});
            ASSERT_TRUE(v);
            EXPECT_DOUBLE_EQ(v->lowPercent, 100.0 * double(quantile(chances, 0.025)) / double(bet));
            EXPECT_DOUBLE_EQ(v->highPercent, 100.0 * double(quantile(chances, 0.975)) / double(bet));
            const double tail = seen > median   ? atLeast + here
                                : seen < median ? atMost + here
                                                : std::min(atLeast, atMost) + here;
            EXPECT_NEAR(v->tail, tail, 1e-12) << seen;
            // Outside the band exactly when unusual.
            const bool inBand = v->seenPercent >= v->lowPercent && v->seenPercent <= v->highPercent;
            EXPECT_EQ(v->verdict == Verdict::Within, inBand) << seen;
        }
    }
}

TEST(FairnessVerdict, OneSpinAtTheTopPayIsLucky)
{
    const auto v = judgeFairness({{1, 0, 0}, 250});
    ASSERT_TRUE(v);
    EXPECT_EQ(v->verdict, Verdict::UnusuallyLucky);
    EXPECT_DOUBLE_EQ(v->tail, machinePayouts()[0].outcomes.back().probability);
    EXPECT_EQ(v->oneIn, playersPerSighting(v->tail));
    EXPECT_EQ(verdictSentence(*v), "What you have seen is unusually lucky: about 1 player in " +
                                       withThousandsSeparators(v->oneIn) + " sees this.");
    EXPECT_NEAR(v->expectedPercent, 100 * computeExactOdds().byCoins[0].returnToPlayer.value(), 1e-9);
}

TEST(FairnessVerdict, LongDryRunIsUnlucky)
{
    // 140 spins at 3 coins that all paid nothing: 0.933^140, about 1 in 16,000.
    const auto v = judgeFairness({{0, 0, 140}, 0});
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->exact);
    EXPECT_EQ(v->verdict, Verdict::UnusuallyUnlucky);
    const double p0 = machinePayouts()[2].outcomes.front().probability;
    EXPECT_NEAR(v->tail / std::pow(p0, 140), 1.0, 1e-9);
    EXPECT_EQ(verdictSentence(*v).rfind("What you have seen is unusually unlucky: about 1 player in ", 0),
              0u);
}

TEST(FairnessVerdict, NoVerdictWithoutSpinsOrForAnImpossibleTotal)
{
    EXPECT_FALSE(judgeFairness({{0, 0, 0}, 0}));
    EXPECT_FALSE(judgeFairness({{-1, 2, 0}, 0}));
    EXPECT_FALSE(judgeFairness({{1, 0, 0}, -1}));
    EXPECT_FALSE(judgeFairness({{1, 0, 0}, 251}));
    const auto v = judgeFairness({{1000, 0, 0}, 400});
    ASSERT_TRUE(v);
    EXPECT_EQ(verdictSentence(*v), "What you have seen is well within what this machine does.");
}

// Past the budget the saddlepoint stands in. The sum is lumpy (a 250 pay is a rare, large step
// the smooth curve averages over), so at the switch-over it is within 0.05 of every exact
// chance, and its quantiles within 6 points of paid-back percentage; a normal curve misses the
// chances by 0.14.
TEST(FairnessVerdict, ApproximationNearTheSwitchOverFollowsTheExactSum)
{
    for (const SpinsByCoins spins :
         {SpinsByCoins{250, 0, 0}, SpinsByCoins{0, 0, 140}, SpinsByCoins{60, 40, 40}}) {
        const SpinSum exact(machinePayouts(), spins, INT64_MAX);
        const SpinSum approx(machinePayouts(), spins, 0);
        ASSERT_TRUE(exact.exact());
        ASSERT_FALSE(approx.exact());
        for (std::int64_t s = 0; s < 2000; ++s) {
            ASSERT_NEAR(approx.atMost(s), exact.atMost(s), 0.05) << s;
            ASSERT_NEAR(approx.atLeast(s), exact.atLeast(s), 0.05) << s;
        }
        const double bet = double(spins[0] + 2 * spins[1] + 3 * spins[2]);
        for (const double q : {0.025, 0.5, 0.975})
            EXPECT_NEAR(double(approx.quantile(q)) / bet, double(exact.quantile(q)) / bet, 0.06) << q;
    }
    EXPECT_FALSE(SpinSum(machinePayouts(), {100000, 0, 0}).exact());
}

TEST(FairnessVerdict, PlayerCountsAreRoundedAndGrouped)
{
    EXPECT_EQ(playersPerSighting(1 / 1298.7), 1300);
    EXPECT_EQ(playersPerSighting(1 / 40.16), 40);
    EXPECT_EQ(playersPerSighting(1 / 99.6), 100);
    EXPECT_EQ(playersPerSighting(1 / 123456.0), 120000);
    EXPECT_EQ(playersPerSighting(0.0), kMostPlayersCounted);
    EXPECT_EQ(withThousandsSeparators(40), "40");
    EXPECT_EQ(withThousandsSeparators(1300), "1,300");
    EXPECT_EQ(withThousandsSeparators(120000), "120,000");
    EXPECT_EQ(withThousandsSeparators(1234567), "1,234,567");
}
