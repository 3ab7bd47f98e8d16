#include "odds/PayoutDistribution.h"
#include "play/EvaluateLines.h"

#include <gtest/gtest.h>

#include <map>

using namespace varnholt;

namespace {

// Plays the stops for real and picks chest `chest` whenever the bonus game opens.
class ChestPicker final : public QuietPlayEvents {
public:
    ChestPicker(GameState &state, int chest) : state_(state), chest_(chest) {}
    bool opened = false;

    void bonusGameDealt(const BonusPrizes &prizes) override
    {
        opened = true;
        applyBonusPrize(state_, prizes[std::size_t(chest_)]);
    }

private:
    GameState &state_;
    int chest_;
};

// Credits the spin at these stops returns when chest `chest` is picked, and whether it opened.
std::pair<int, bool> play(const std::array<int, 3> &stops, int coins, int chest)
{
    GameState state;
    state.Credits = 0;
    state.ReelStops = stops;
    state.CoinsBet = coins;
    RandomSource random(11);
    ChestPicker events(state, chest);
    EvaluateLines(state, random, static_cast<EvaluationEvents &>(events));
    return {state.Credits, events.opened};
}

} // namespace

TEST(PayoutDistribution, MatchesEveryStopCombinationPlayed)
{
    const ExactOdds odds = computeExactOdds();
    for (int coins = 1; coins <= 3; ++coins) {
        std::map<int, std::int64_t> weights;
        for (int a = 1; a <= kStripLength; ++a)
            for (int b = 1; b <= kStripLength; ++b)
                for (int c = 1; c <= kStripLength; ++c) {
                    const auto [credits, opened] = play({a, b, c}, coins, 0);
                    if (!opened) {
                        weights[credits] += kChestCount;
                        continue;
                    }
                    for (int chest = 0; chest < kChestCount; ++chest)
                        ++weights[play({a, b, c}, coins, chest).first];
                }

        const PayoutDistribution d = payoutDistribution(coins);
        EXPECT_EQ(d.denominator, 27000 * kChestCount);
        std::map<int, std::int64_t> listed;
        double total = 0;
        for (const PayoutOutcome &o : d.outcomes) {
            listed[o.credits] = o.weight;
            total += o.probability;
        }
        EXPECT_EQ(listed, weights) << coins << " coins";
        EXPECT_EQ(listed.size(), d.outcomes.size()) << "each credit value once, in order";
        EXPECT_DOUBLE_EQ(total, 1.0);

        // The mean is the machine's return per coin times the coins, to the last digit.
        const Fraction rtp = odds.byCoins[std::size_t(coins - 1)].returnToPlayer;
        const Fraction expected = reduced(rtp.numerator * coins, rtp.denominator);
        EXPECT_EQ(d.mean().numerator, expected.numerator) << coins;
        EXPECT_EQ(d.mean().denominator, expected.denominator) << coins;
    }
}
