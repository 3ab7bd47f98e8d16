#include "PlayRecorder.h"

#include "bonus/Nudges.h"
#include "odds/PlaySimulator.h"
#include "play/EvaluateLines.h"

#include <gtest/gtest.h>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

// Whether the real evaluation of these stops at this stake pays credits or opens the bonus game.
bool realEvaluationWins(const std::array<int, 3> &stops, int coins)
{
    GameState state;
    state.ReelStops = stops;
    state.CoinsBet = coins;
    state.Credits = 0;
    RandomSource random(1);
    PlayRecorder events(state);
    events.wantedPrize = kNudgePrize; // a bonus game counts even when its prize pays no credits
    EvaluateLines(state, random, events);
    return state.Credits > 0 || !events.dealtPrizes.empty();
}

} // namespace

TEST(PlaySimulator, NudgeLookAheadAgreesWithTheRealEvaluation)
{
    RandomSource boards(42);
    int winningNudges = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int stops[3] = {boards.Random(30) + 1, boards.Random(30) + 1, boards.Random(30) + 1};
        const int coins = boards.Random(3) + 1;
        int expected = -1;
        for (int reel = 0; reel < 3 && expected < 0; ++reel) {
            std::array<int, 3> nudged{stops[0], stops[1], stops[2]};
            nudged[reel] = nudgedStop(nudged[reel]);
            if (realEvaluationWins(nudged, coins))
                expected = reel;
        }
        ASSERT_EQ(winningNudgeReel(stops, coins), expected)
            << stops[0] << ' ' << stops[1] << ' ' << stops[2] << " coins " << coins;
        winningNudges += expected >= 0;
    }
    EXPECT_GT(winningNudges, 100); // the comparison covered winning nudges, not only losing ones
}

TEST(PlaySimulator, SameSeedSamePlayAndConsistentTotals)
{
    for (const int coins : {1, 2, 3}) {
        const SimulationSettings settings{20000, 9, coins};
        const SimulationResult a = simulatePlay(settings);
        const SimulationResult b = simulatePlay(settings);
        EXPECT_EQ(a.creditsWon, b.creditsWon);
        EXPECT_EQ(a.nudgesUsed, b.nudgesUsed);
        EXPECT_EQ(a.bonusGames, b.bonusGames);

        EXPECT_EQ(a.spins, 20000);
        EXPECT_EQ(a.coinsStaked, 20000 * coins);
        EXPECT_LE(a.winningSpins, a.spins);
        EXPECT_LE(a.nudgedWins, a.nudgesUsed);
        // Nudges used come from the six of the new game and those earned since.
        EXPECT_LE(a.nudgesUsed, a.nudgesEarned + 6);
        EXPECT_GT(a.bonusGames, 0);
        EXPECT_DOUBLE_EQ(a.returnToPlayer, double(a.creditsWon) / double(a.coinsStaked));
        EXPECT_GT(a.returnCi95, 0.0);
        EXPECT_LT(a.returnCi95, a.returnToPlayer);
    }
    EXPECT_NE(simulatePlay({20000, 9, 3}).creditsWon, simulatePlay({20000, 10, 3}).creditsWon);
}

TEST(PlaySimulator, IntervalFromBatchReturns)
{
    // Fifteen stretches returned 1 per coin and fifteen 2: mean 1.5, sample variance 7.5 / 29,
    // so the half-width is t(29) x sqrt(7.5 / 29 / 30) = 2.0452 x 0.092848.
    std::array<double, kReturnBatches> returns{};
    for (std::size_t i = 0; i < returns.size(); ++i)
        returns[i] = i % 2 == 0 ? 1.0 : 2.0;
    EXPECT_NEAR(batchMeansCi95(returns), 0.18989, 1e-5);

    returns.fill(1.25);
    EXPECT_EQ(batchMeansCi95(returns), 0.0);
}
