#include "bonus/BonusPrizes.h"
#include "bonus/BonusMeter.h"
#include "bonus/BonusTrigger.h"
#include "bonus/Chests.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace varnholt;

TEST(BonusPrizes, FixedSeedsDealFixedOrders)
{
    // Recorded deals: a change to the shuffle or to the draws it takes shows here. The seed
    // after the deal pins the number of draws (1001 rounds of five).
    const struct {
        std::uint32_t seed;
        BonusPrizes dealt;
        std::uint32_t seedAfter;
    } deals[] = {
        {0u, {1, 25, 100, 25, 50}, 607251301u},
        {1u, {50, 1, 25, 100, 25}, 4118916346u},
        {77u, {1, 100, 50, 25, 25}, 422520118u},
        {0xFFFFFFFFu, {50, 100, 1, 25, 25}, 1390553552u},
    };
    for (const auto &deal : deals) {
        RandomSource random(deal.seed);
        EXPECT_EQ(ShuffleBonusPrizes(random), deal.dealt) << deal.seed;
        EXPECT_EQ(random.seed(), deal.seedAfter) << deal.seed;
    }
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
