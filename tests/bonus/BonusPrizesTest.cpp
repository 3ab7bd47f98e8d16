#include "bonus/BonusPrizes.h"
#include "bonus/BonusMeter.h"
#include "bonus/BonusTrigger.h"
#include "bonus/Chests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

using namespace varnholt;

namespace {

// The deal written out step by step: 1001 rounds of swapping entry i with entry Random(5).
BonusPrizes dealByHand(RandomSource &random)
{
    BonusPrizes prizes{1, 100, 50, 25, 25};
    for (int round = 0; round < 1001; ++round)
        for (int i = 0; i < 5; ++i) {
            const int j = random.Random(5);
            std::swap(prizes[i], prizes[j]);
        }
    return prizes;
}

} // namespace

TEST(BonusPrizes, ShuffleDealsTheSamePrizesInTheDrawnOrder)
{
    std::set<BonusPrizes> orders;
    for (std::uint32_t seed : {0u, 1u, 2u, 77u, 123456789u, 0xFFFFFFFFu, 0x80000000u, 3141592653u}) {
        RandomSource random(seed);
        RandomSource byHand(seed);
        const BonusPrizes dealt = ShuffleBonusPrizes(random);
        EXPECT_EQ(dealt, dealByHand(byHand)) << seed;
        EXPECT_EQ(random.seed(), byHand.seed()) << "draws consumed from seed " << seed;

        BonusPrizes sorted = dealt;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (BonusPrizes{1, 25, 25, 50, 100})) << seed;
        orders.insert(dealt);
    }
    EXPECT_GT(orders.size(), 3u);
}

TEST(BonusPrizes, TextAndPayment)
{
    EXPECT_EQ(prizeText(1), "6 Nudges");
    EXPECT_EQ(prizeText(100), "100 Credits");
    EXPECT_EQ(prizeText(25), "25 Credits");

    GameState state;
    state.SpinWin = 10;
    state.BonusWon = 5;
    state.Nudges = 2;
    applyBonusPrize(state, 50);
    EXPECT_EQ(state.SpinWin, 60);
    EXPECT_EQ(state.BonusWon, 55);
    EXPECT_EQ(state.Nudges, 2);
    applyBonusPrize(state, kNudgePrize);
    EXPECT_EQ(state.Nudges, 8);
    EXPECT_EQ(state.SpinWin, 60);
    EXPECT_EQ(state.BonusWon, 55);

    state.BonusWon = kCounterLimit - 10;
    state.Nudges = kCounterLimit - 1;
    applyBonusPrize(state, 100);
    applyBonusPrize(state, kNudgePrize);
    EXPECT_EQ(state.BonusWon, kCounterLimit);
    EXPECT_EQ(state.Nudges, kCounterLimit);
}

TEST(Chests, OnePickPerGame)
{
    BonusPick pick;
    EXPECT_EQ(pressOutsidePicture(pick), OutsidePress::ShowPrompt);
    EXPECT_EQ(pickChest(pick, 220, 380), std::nullopt);
    EXPECT_FALSE(pick.BoxPicked);
    EXPECT_EQ(pickChest(pick, 100, 500), 0);
    EXPECT_TRUE(pick.BoxPicked);
    EXPECT_EQ(pickChest(pick, 700, 450), std::nullopt);
    EXPECT_EQ(pick.chest, 0);
    EXPECT_EQ(pressOutsidePicture(pick), OutsidePress::Close);
    EXPECT_STREQ(kPickPromptMessage, "Click on one of the Boxes!");
}

TEST(BonusMeter, ClampsAtTwelve)
{
    EXPECT_EQ(clampBonusPoints(40), 12);
    EXPECT_EQ(clampBonusPoints(12), 12);
    EXPECT_EQ(clampBonusPoints(-3), -3);
}

TEST(BonusTrigger, ThreeBonusOnAnyRowBonusBonusWildOnlyWhenCovered)
{
    EXPECT_TRUE(triggersBonus(BonusSymbol, BonusSymbol, BonusSymbol, false));
    EXPECT_FALSE(triggersBonus(BonusSymbol, BonusSymbol, Wild, false));
    EXPECT_TRUE(triggersBonus(BonusSymbol, BonusSymbol, Wild, true));
    EXPECT_FALSE(triggersBonus(BonusSymbol, Skull, BonusSymbol, true));
}
