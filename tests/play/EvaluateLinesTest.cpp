#include "PlayRecorder.h"

#include "play/EvaluateLines.h"

#include <gtest/gtest.h>

using namespace varnholt;
using namespace varnholt::testing;
using Log = std::vector<std::string>;

namespace {

struct Evaluation : ::testing::Test {
    GameState state;
    RandomSource random{7};
    PlayRecorder events{state};

    void evaluate(const std::array<int, 3> &stops, int coins)
    {
        state.ReelStops = stops;
        state.CoinsBet = coins;
        EvaluateLines(state, random, static_cast<EvaluationEvents &>(events));
    }
};

} // namespace

TEST_F(Evaluation, WildLineWinPaysCountsUpAndEarnsTwoNudges)
{
    state.Credits = 100;
    state.Nudges = 6;
    evaluate(stopsShowingOnly(1, {GoldBars, GoldBars, Wild}), 1);

    EXPECT_EQ(events.log, (Log{"wild 1 row=1", "nudges 8", "winAnnounced 250", "winShown",
                               "nudgeOfferWithdrawn", "countUp"}));
    EXPECT_EQ(state.Credits, 350);
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(state.Nudges, 8);
    EXPECT_FALSE(state.NudgeAllowed);
    EXPECT_EQ(events.stepsOutOfPlace, 0);
    ASSERT_EQ(events.steps.size(), 50u);
    EXPECT_EQ(events.counted.back(), 250);
    EXPECT_EQ(events.creditsAtStep.back(), 350);
}

TEST_F(Evaluation, UncoveredLinesPayNothingButStillShowTheWild)
{
    state.Nudges = 3;
    // Skull, skull, skull on the top row with one coin: line 1 is not covered.
    evaluate(stopsShowingOnly(0, {Skull, Skull, Skull}), 1);
    EXPECT_EQ(events.log, (Log{"nudgesOffered"}));
    EXPECT_TRUE(events.wonLines.empty());
    EXPECT_TRUE(state.NudgeAllowed);

    // Gold bars, gold bars, Wild on the bottom row with two coins: animated, not paid, no nudges.
    events.log.clear();
    evaluate(stopsShowingOnly(2, {GoldBars, GoldBars, Wild}), 2);
    EXPECT_EQ(events.log, (Log{"wild 2 row=2", "nudgesOffered"}));
    EXPECT_EQ(state.Nudges, 3);
    EXPECT_EQ(state.WildRow, 2);
}

TEST_F(Evaluation, LossWithoutNudgesOffersButDoesNotBlink)
{
    state.Nudges = 0;
    evaluate(stopsShowingOnly(0, {Skull, Skull, Skull}), 1);
    EXPECT_TRUE(events.log.empty());
    EXPECT_TRUE(state.NudgeAllowed);
}

TEST_F(Evaluation, EachCoveredRowPaysItsOwnAmountInOneCountUp)
{
    // Two rows pay at once on 25 boards; with three coins both are covered.
    const auto stops = findStops([](const VisibleSymbols &rows) {
        int paying = 0;
        for (const auto &row : rows)
            paying += linePays(row[0], row[1], row[2]) > 0;
        return paying == 2;
    });
    const auto rows = visibleSymbols(stops);
    int expected = 0;
    for (const auto &row : rows)
        expected += linePays(row[0], row[1], row[2]);
    state.Credits = 0;
    evaluate(stops, 3);

    EXPECT_EQ(state.Credits, expected);
    EXPECT_EQ(events.wonLines.size(), 2u) << "each paying line reported once";
    for (const int line : events.wonLines)
        EXPECT_GT(linePays(rows[kLineRows[line]][0], rows[kLineRows[line]][1], rows[kLineRows[line]][2]), 0);
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "countUp"), 1);
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "winAnnounced " + std::to_string(expected)),
              1);
}

TEST_F(Evaluation, SmallestWinAtFullStakeStillSoundsAndCountsInSingles)
{
    state.Credits = 10;
    evaluate(stopsShowingOnly(2, {Skull, Skull, Skull}), 3);
    EXPECT_EQ(events.log, (Log{"nudges 0", "winAnnounced 3", "winShown", "nudgeOfferWithdrawn", "countUp"}));
    EXPECT_EQ(events.steps, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(events.counted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(state.Credits, 13);
}

TEST_F(Evaluation, ThreeBonusOnAnUncoveredRowOpensTheBonusGame)
{
    state.Credits = 0;
    state.BonusWon = 5;
    events.wantedPrize = 25;
    evaluate(stopsShowingOnly(2, {BonusSymbol, BonusSymbol, BonusSymbol}), 1);

    EXPECT_EQ(events.log, (Log{"bonusGameOpening", "bonus 25 Credits", "nudges 0", "nudges 0",
                               "winAnnounced 25", "winShown", "nudgeOfferWithdrawn", "countUp"}));
    EXPECT_EQ(events.wonLines, std::vector<int>{2}) << "the line that opened the bonus game";
    EXPECT_EQ(state.Credits, 25);
    EXPECT_EQ(state.BonusWon, 30);
    EXPECT_EQ(events.steps.size(), 21u); // one 5, then twenty 1s
}

TEST_F(Evaluation, BonusBonusWildOpensTheGameOnlyOnACoveredLine)
{
    const auto stops = stopsShowingOnly(0, {BonusSymbol, BonusSymbol, Wild});
    state.Nudges = 1;
    evaluate(stops, 1);
    EXPECT_EQ(events.log, (Log{"wild 0 row=0", "nudgesOffered"}));
    EXPECT_TRUE(events.dealtPrizes.empty());
    EXPECT_TRUE(state.NudgeAllowed);

    // Covered by a second coin: a 100-credit prize on the Wild line also earns two nudges.
    events.log.clear();
    events.wantedPrize = 100;
    state.Credits = 0;
    evaluate(stops, 2);
    EXPECT_EQ(events.log,
              (Log{"wild 0 row=0", "bonusGameOpening", "bonus 100 Credits", "nudges 1", "nudges 3",
                   "winAnnounced 100", "winShown", "nudgeOfferWithdrawn", "countUp"}));
    EXPECT_EQ(events.wonLines, std::vector<int>{1}) << "opened and paid, reported once";
    EXPECT_EQ(state.Credits, 100);
    EXPECT_EQ(state.BonusWon, 100);
    EXPECT_EQ(state.Nudges, 3);
}

TEST_F(Evaluation, NudgePrizeLeavesTheOfferClosedButTheButtonsBlinking)
{
    state.Nudges = 0;
    state.Credits = 40;
    events.wantedPrize = kNudgePrize;
    evaluate(stopsShowingOnly(1, {BonusSymbol, BonusSymbol, Wild}), 1);

    // The Wild line did not raise SpinWin, so it earns no nudges of its own.
    EXPECT_EQ(events.log,
              (Log{"wild 1 row=1", "bonusGameOpening", "bonus 6 Nudges", "nudges 6", "nudgesOffered"}));
    EXPECT_EQ(state.Nudges, 6);
    EXPECT_EQ(state.Credits, 40);
    EXPECT_FALSE(state.NudgeAllowed);
}

TEST_F(Evaluation, BonusGameDealsTheShuffledPrizesFromTheMachineSource)
{
    RandomSource same(random.seed());
    evaluate(stopsShowingOnly(0, {BonusSymbol, BonusSymbol, BonusSymbol}), 1);
    ASSERT_EQ(events.dealtPrizes.size(), 1u);
    EXPECT_EQ(events.dealtPrizes[0], ShuffleBonusPrizes(same));
    EXPECT_EQ(random.seed(), same.seed());
}

TEST(CountUp, StepSizesFollowTheRemainingWin)
{
    struct Case {
        std::int32_t win;
        std::size_t steps;
        int twentyFives, tens, fives, ones;
    };
    for (const Case c : {Case{250, 50, 0, 16, 14, 20}, Case{1000, 124, 1, 88, 15, 20}, Case{3, 3, 0, 0, 0, 3},
                         Case{25, 21, 0, 0, 1, 20}}) {
        GameState state;
        state.Credits = 0;
        state.SpinWin = c.win;
        PlayRecorder events(state);
        CountUpWinnings(state, events);
        EXPECT_EQ(events.steps.size(), c.steps) << c.win;
        EXPECT_EQ(std::count(events.steps.begin(), events.steps.end(), 25), c.twentyFives) << c.win;
        EXPECT_EQ(std::count(events.steps.begin(), events.steps.end(), 10), c.tens) << c.win;
        EXPECT_EQ(std::count(events.steps.begin(), events.steps.end(), 5), c.fives) << c.win;
        EXPECT_EQ(std::count(events.steps.begin(), events.steps.end(), 1), c.ones) << c.win;
        EXPECT_EQ(state.Credits, c.win);
        EXPECT_EQ(state.SpinWin, 0);
        EXPECT_EQ(events.counted.back(), c.win);
    }
    EXPECT_EQ(countUpStepSize(1000), 25);
    EXPECT_EQ(countUpStepSize(999), 10);
    EXPECT_EQ(countUpStepSize(99), 5);
    EXPECT_EQ(countUpStepSize(24), 1);
}

TEST(CountUp, CreditsStopAtTheCounterLimit)
{
    GameState state;
    state.Credits = kCounterLimit - 7;
    state.SpinWin = 50;
    PlayRecorder events(state);
    CountUpWinnings(state, events);
    EXPECT_EQ(state.Credits, kCounterLimit);
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(events.counted.back(), 50);
    for (const std::int32_t credits : events.creditsAtStep)
        EXPECT_GT(credits, 0);
}
