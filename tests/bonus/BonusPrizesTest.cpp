#include "bonus/BonusMeter.h"
#include "bonus/BonusPrizes.h"
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

TEST(Chests, RectanglesIncludeTheirEdges)
{
    EXPECT_EQ(chestAt(100, 500), 0);
    EXPECT_EQ(chestAt(206, 587), 0);
    EXPECT_EQ(chestAt(15, 408), 0);
    EXPECT_EQ(chestAt(207, 587), std::nullopt);
    EXPECT_EQ(chestAt(206, 588), std::nullopt);
    EXPECT_EQ(chestAt(220, 380), std::nullopt);
    EXPECT_EQ(chestAt(785, 573), 1);
    EXPECT_EQ(chestAt(485, 356), 2);
    EXPECT_EQ(chestAt(338, 462), 3);
    EXPECT_EQ(chestAt(474, 522), 4);
    const ChestRect fifth = chestRect(4);
    EXPECT_EQ(fifth.right, 474);
    EXPECT_EQ(fifth.bottom, 522);
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

TEST(Chests, PrizeTextIsCentredOnTheChest)
{
    // Chest 1 spans 15..206 x 408..587: centre (110, 497).
    const TextOrigin origin = prizeTextOrigin(0, 101, 37);
    EXPECT_EQ(origin.x, 15 + 95 - 50);
    EXPECT_EQ(origin.y, 408 + 89 - 18);
}

TEST(BonusMeter, CellPerPointsAndClamp)
{
    EXPECT_EQ(clampBonusPoints(40), 12);
    EXPECT_EQ(clampBonusPoints(12), 12);
    EXPECT_EQ(clampBonusPoints(-3), -3);
    EXPECT_EQ(bonusMeterSource(12), (PixelRect{0, 0, 78, 59}));
    EXPECT_EQ(bonusMeterSource(0), (PixelRect{0, 708, 78, 767}));
    EXPECT_EQ(bonusMeterSource(5), (PixelRect{0, 413, 78, 472}));
    EXPECT_LT(bonusMeterSource(INT32_MIN).top, bonusMeterSource(INT32_MIN).bottom); // no wrap
}

TEST(BonusMeter, CentredFromEightHundredUpStretchedBelow)
{
    EXPECT_EQ(bonusMeterTarget(makeLayout(800, false)), (PixelRect{578, 223, 656, 282}));
    // 1024: box 739..839 x 285..360, so a 78 x 59 cell sits 11 and 8 pixels in.
    EXPECT_EQ(bonusMeterTarget(makeLayout(1024, false)), (PixelRect{750, 293, 828, 352}));
    EXPECT_EQ(bonusMeterTarget(makeLayout(640, false)), (PixelRect{462, 178, 524, 225}));
}
