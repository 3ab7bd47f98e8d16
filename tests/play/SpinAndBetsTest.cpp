#include "PlayRecorder.h"

#include "core/Bets.h"
#include "core/NewGame.h"
#include "play/Spin.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

GameState idleState()
{
    GameState state;
    InitReels(state);
    return state;
}

} // namespace

TEST(Bets, BetOneAddsCoinsAndTheThirdSpins)
{
    GameState state = idleState();
    state.Credits = 10;
    BetOutcome first = BetOne(state);
    EXPECT_EQ(first.coinsAdded, 1);
    EXPECT_FALSE(first.spinNow);
    EXPECT_EQ(first.message, nullptr);
    BetOne(state);
    // Two coins in, then Bet 3 adds the third and spins.
    const BetOutcome max = BetMax(state);
    EXPECT_EQ(max.coinsAdded, 1);
    EXPECT_TRUE(max.spinNow);
    EXPECT_EQ(state.CoinsBet, 3);
    EXPECT_EQ(state.Credits, 7);

    state.CoinsBet = 2;
    EXPECT_TRUE(BetOne(state).spinNow);
}

TEST(Bets, WithoutCreditsBetOneWarnsAndBetMaxStaysSilent)
{
    GameState state = idleState();
    state.Credits = 0;
    const BetOutcome one = BetOne(state);
    ASSERT_NE(one.message, nullptr);
    EXPECT_STREQ(one.message, "You are out of credits...better borrow some!");
    EXPECT_EQ(one.coinsAdded, 0);
    const BetOutcome max = BetMax(state);
    EXPECT_EQ(max.message, nullptr);
    EXPECT_EQ(max.coinsAdded, 0);
    EXPECT_FALSE(max.spinNow);
    EXPECT_EQ(state.CoinsBet, 0);
    EXPECT_EQ(state.Credits, 0);
}

TEST(Bets, BetMaxWithTwoCreditsPutsTwoInAndWaits)
{
    GameState state = idleState();
    state.Credits = 2;
    const BetOutcome max = BetMax(state);
    EXPECT_EQ(max.coinsAdded, 2);
    EXPECT_FALSE(max.spinNow);
    EXPECT_EQ(max.message, nullptr);
    EXPECT_EQ(state.CoinsBet, 2);
    EXPECT_EQ(state.Credits, 0);

    // The following Spin plays those two coins.
    RandomSource random(3);
    PlayRecorder events(state);
    const SpinOutcome spin = Spin(state, random, events, 456);
    EXPECT_TRUE(spin.played);
    EXPECT_FALSE(spin.rebet);
    EXPECT_EQ(state.LastBet, 2);
    EXPECT_EQ(state.TotalBets, 2);
}

TEST(Spin, DrawsOffsetThenStopPerReelAndCountsTheSpin)
{
    GameState state = idleState();
    state.CoinsBet = 3;
    state.Spins = 4;
    state.TotalBets = 10;
    RandomSource random(123456);
    RandomSource expected(123456);

    const auto offsets = SpinReels(state, random, 400);
    for (int reel = 0; reel < 3; ++reel) {
        EXPECT_EQ(offsets[reel], expected.Random(400)) << reel;
        EXPECT_EQ(state.ReelStops[reel], expected.Random(30) + 1) << reel;
    }
    EXPECT_EQ(random.seed(), expected.seed());
    EXPECT_EQ(state.TotalBets, 13);
    EXPECT_EQ(state.Spins, 5);
}

TEST(Spin, StopsCoverEveryPositionAndNothingElse)
{
    GameState state = idleState();
    RandomSource random(99);
    std::array<int, 31> seen{};
    for (int i = 0; i < 3000; ++i) {
        SpinReels(state, random, 456);
        for (const int stop : state.ReelStops) {
            ASSERT_GE(stop, 1);
            ASSERT_LE(stop, 30);
            ++seen[stop];
        }
    }
    for (int stop = 1; stop <= 30; ++stop)
        EXPECT_GT(seen[stop], 0) << stop;
}

TEST(Spin, ReBetsTheLastStakeWhenAffordable)
{
    GameState state = idleState();
    state.LastBet = 3;
    state.Credits = 3;
    RandomSource random(5);
    PlayRecorder events(state);
    const SpinOutcome spin = Spin(state, random, events, 456);
    EXPECT_TRUE(spin.played);
    EXPECT_TRUE(spin.rebet);
    EXPECT_EQ(events.log.at(0), "rebet");
    EXPECT_EQ(events.log.at(1), "spinStarting");
    EXPECT_EQ(events.log.at(2), "reelsSpinning");
    EXPECT_EQ(events.log.back(), "spinFinished");
    EXPECT_EQ(state.TotalBets, 3);
    EXPECT_EQ(state.Spins, 1);
    EXPECT_EQ(state.CoinsBet, 0);
    EXPECT_EQ(state.LastBet, 3);
}

TEST(Spin, TooFewCreditsForTheReBetPlacesNoBet)
{
    GameState state = idleState();
    state.LastBet = 2;
    state.Credits = 1;
    RandomSource random(5);
    PlayRecorder events(state);
    const SpinOutcome spin = Spin(state, random, events, 456);
    EXPECT_FALSE(spin.played);
    ASSERT_NE(spin.message, nullptr);
    EXPECT_STREQ(spin.message, "No bet was placed!");
    EXPECT_TRUE(events.log.empty());
    EXPECT_EQ(random.seed(), 5u);
    EXPECT_EQ(state.Credits, 1);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(state.LastBet, 2);
}

TEST(Spin, SpinAndCounterAdditionsStopAtTheLimit)
{
    GameState state = idleState();
    state.CoinsBet = 3;
    state.Spins = kCounterLimit;
    state.TotalBets = kCounterLimit - 1;
    RandomSource random(8);
    SpinReels(state, random, 456);
    EXPECT_EQ(state.Spins, kCounterLimit);
    EXPECT_EQ(state.TotalBets, kCounterLimit);
}
