#include "core/NewGame.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(NewGame, ResetsTheGameButKeepsCoinsReelsAndOffer)
{
    GameState state;
    state.Credits = 5;
    state.Borrowed = 9000;
    state.Spins = 40;
    state.TotalBets = 90;
    state.BonusWon = 75;
    state.BonusPts = 4;
    state.Nudges = 1;
    state.CoinsBet = 2;
    state.LastBet = 3;
    state.NudgeAllowed = true;
    state.ReelStops = {1, 2, 3};

    NewGame(state);
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(state.TotalBets, 0);
    EXPECT_EQ(state.BonusWon, 0);
    EXPECT_EQ(state.BonusPts, 0);
    EXPECT_EQ(state.Nudges, 6);
    EXPECT_EQ(state.CoinsBet, 2);
    EXPECT_EQ(state.LastBet, 3);
    EXPECT_TRUE(state.NudgeAllowed);
    EXPECT_EQ(state.ReelStops, (std::array<int, 3>{1, 2, 3}));

    InitReels(state);
    EXPECT_EQ(state.ReelStops, (std::array<int, 3>{8, 9, 7}));
}
