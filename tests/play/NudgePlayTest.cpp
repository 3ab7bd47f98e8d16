#include "PlayRecorder.h"

#include "play/NudgePlay.h"

#include <gtest/gtest.h>

using namespace varnholt;
using namespace varnholt::testing;
using Log = std::vector<std::string>;

namespace {

struct Nudging : ::testing::Test {
    GameState state;
    RandomSource random{11};
    PlayRecorder events{state};

    // A result that paid nothing, with the nudge offer open.
    void offer(const std::array<int, 3> &stops, int lastBet, int nudges)
    {
        state.ReelStops = stops;
        state.LastBet = lastBet;
        state.CoinsBet = 0;
        state.Nudges = nudges;
        state.NudgeAllowed = true;
    }
};

// Stops whose nudge on `reel` brings `row` onto screen row `screenRow`, the other rows quiet.
std::array<int, 3> stopsNudgingInto(int reel, int screenRow, const Row &row)
{
    auto stops = stopsShowingOnly(screenRow, row);
    stops[reel] = stops[reel] == 30 ? 1 : stops[reel] + 1; // the stop before the nudge
    return stops;
}

// Stops showing nothing of note before and after a nudge on `reel`.
std::array<int, 3> quietBeforeAndAfterNudging(int reel)
{
    const auto allQuiet = [](const std::array<int, 3> &stops) {
        const VisibleSymbols rows = visibleSymbols(stops);
        return quietRow(rows[0]) && quietRow(rows[1]) && quietRow(rows[2]);
    };
    for (int a = 1; a <= 30; ++a)
        for (int b = 1; b <= 30; ++b)
            for (int c = 1; c <= 30; ++c) {
                std::array<int, 3> stops{a, b, c}, nudged = stops;
                nudged[reel] = nudgedStop(nudged[reel]);
                if (allQuiet(stops) && allQuiet(nudged))
                    return stops;
            }
    ADD_FAILURE() << "no quiet board";
    return {1, 1, 1};
}

} // namespace

TEST_F(Nudging, WildWinPaysAndEarnsTwoNudgesBack)
{
    const auto stops = stopsNudgingInto(2, 1, {GoldBars, GoldBars, Wild});
    offer(stops, 1, 1);
    state.Credits = 0;
    ASSERT_TRUE(canNudge(state));

    EXPECT_TRUE(NudgeReel(state, 2, random, events));
    EXPECT_EQ(events.log, (Log{"nudgeStarting 2", "nudges 0", "nudging 2",
                               "settled 2 stop=" + std::to_string(stops[2] - 1), "wild 1 row=1", "nudges 2",
                               "winAnnounced 250", "winShown", "nudgeOfferWithdrawn", "countUp"}));
    EXPECT_EQ(state.Credits, 250);
    EXPECT_EQ(state.Nudges, 2);
    EXPECT_FALSE(state.NudgeAllowed);
    EXPECT_FALSE(canNudge(state));
    // Free: no credits taken, not a spin, no stake added.
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(state.TotalBets, 0);
}

TEST_F(Nudging, JudgedAtTheLastStakeSoUncoveredWinsStayUnpaid)
{
    // One coin covers only the middle row: a top-row win after the nudge pays nothing.
    offer(stopsNudgingInto(0, 0, {Knight, Knight, Knight}), 1, 3);
    state.Credits = 0;
    EXPECT_TRUE(NudgeReel(state, 0, random, events));
    EXPECT_EQ(state.Credits, 0);
    EXPECT_EQ(state.Nudges, 2);
    EXPECT_TRUE(state.NudgeAllowed);
    EXPECT_EQ(events.log.back(), "nudgesOffered");
    EXPECT_TRUE(canNudge(state));

    // Two coins cover it.
    events.log.clear();
    offer(stopsNudgingInto(0, 0, {Knight, Knight, Knight}), 2, 3);
    EXPECT_TRUE(NudgeReel(state, 0, random, events));
    EXPECT_EQ(state.Credits, 50);
}

TEST_F(Nudging, LastNudgeClosesTheOfferAndSwitchesTheButtonsOff)
{
    offer(quietBeforeAndAfterNudging(1), 3, 1);
    const auto before = state.ReelStops;
    EXPECT_TRUE(NudgeReel(state, 1, random, events));
    EXPECT_EQ(state.Nudges, 0);
    EXPECT_FALSE(state.NudgeAllowed);
    EXPECT_EQ(state.ReelStops[1], nudgedStop(before[1]));
    EXPECT_EQ(events.scrolledStrip, nudgeStripSymbols(1, nudgedStop(before[1])));
    EXPECT_EQ(events.log.back(), "nudgeOfferWithdrawn");

    // And nothing more can be nudged.
    events.log.clear();
    EXPECT_FALSE(NudgeReel(state, 1, random, events));
    EXPECT_TRUE(events.log.empty());
}

TEST_F(Nudging, CoinsPutInBeforeTheNudgeStayIn)
{
    offer(stopsShowingOnly(1, {Skull, Horse, Knight}), 3, 4);
    state.CoinsBet = 2; // two coins went in while the offer was open
    EXPECT_TRUE(NudgeReel(state, 0, random, events));
    EXPECT_EQ(state.CoinsBet, 2);
    EXPECT_EQ(state.LastBet, 3);
}

TEST_F(Nudging, RefusedWhenNotOffered)
{
    offer(stopsShowingOnly(1, {Skull, Horse, Knight}), 1, 2);
    const auto stops = state.ReelStops;

    state.NudgeAllowed = false;
    EXPECT_FALSE(NudgeReel(state, 0, random, events));
    state.NudgeAllowed = true;
    state.Nudges = 0;
    EXPECT_FALSE(NudgeReel(state, 0, random, events));
    state.Nudges = 2;
    EXPECT_FALSE(NudgeReel(state, 3, random, events));
    EXPECT_FALSE(NudgeReel(state, -1, random, events));

    EXPECT_EQ(state.ReelStops, stops);
    EXPECT_EQ(state.Nudges, 2);
    EXPECT_TRUE(events.log.empty());
}

TEST_F(Nudging, NudgeIntoThreeBonusOpensTheBonusGame)
{
    offer(stopsNudgingInto(1, 2, {BonusSymbol, BonusSymbol, BonusSymbol}), 1, 2);
    events.wantedPrize = kNudgePrize;
    EXPECT_TRUE(NudgeReel(state, 1, random, events));
    ASSERT_EQ(events.dealtPrizes.size(), 1u);
    EXPECT_EQ(state.Nudges, 7);
    // The prize paid no credits, so the buttons blink but the offer stays closed until a spin.
    EXPECT_EQ(events.log.back(), "nudgesOffered");
    EXPECT_FALSE(state.NudgeAllowed);
    EXPECT_FALSE(canNudge(state));
}

// The play's one account of its result: the vault opened by this nudge, with the prize it gave.
class NudgeIntoTheVault : public Nudging, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(NudgeIntoTheVault, TheOutcomeSaysTheNudgeOpenedItAndWhatItGave)
{
    const auto stops = stopsNudgingInto(1, 2, {BonusSymbol, BonusSymbol, BonusSymbol});
    offer(stops, 1, 2);
    state.Credits = 100;
    events.wantedPrize = GetParam();
    PlayOutcome outcome;
    outcome.vaultOpened = true; // from an earlier play: the nudge starts its own account
    outcome.lineCredits = 9;
    ASSERT_TRUE(NudgeReel(state, 1, random, events, outcome));
    EXPECT_TRUE(outcome.byNudge);
    EXPECT_TRUE(outcome.vaultOpened);
    EXPECT_EQ(outcome.lineCredits, 0);
    EXPECT_EQ(outcome.paidLines, (std::array<bool, kLineCount>{})) << "the vault's line is not a paid line";
    EXPECT_EQ(outcome.nudgesWon, 0);
    EXPECT_EQ(outcome.coins, 1);
    EXPECT_EQ(outcome.stops[1], nudgedStop(stops[1]));
    if (GetParam() == kNudgePrize) {
        EXPECT_EQ(outcome.vaultCredits, 0);
        EXPECT_EQ(outcome.vaultNudges, state.Nudges - 1);
    } else {
        EXPECT_EQ(outcome.vaultCredits, GetParam());
        EXPECT_EQ(outcome.vaultNudges, 0);
        EXPECT_EQ(state.Credits, 100 + GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Prizes, NudgeIntoTheVault, ::testing::Values(25, kNudgePrize));
