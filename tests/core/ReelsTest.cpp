#include "core/Reels.h"
#include "core/Random.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(Reels, StartStopsShowTheStartRows)
{
    const auto rows = visibleSymbols(kStartStops);
    EXPECT_EQ(rows[0], (std::array<int, 3>{Skull, GoldBars, Horse}));
    EXPECT_EQ(rows[1], (std::array<int, 3>{BonusSymbol, BonusSymbol, Wild}));
    EXPECT_EQ(rows[2], (std::array<int, 3>{CrossShield, Skull, Knight}));
}

TEST(Reels, StopsWrapAroundTheStrip)
{
    // Stop 29 shows positions 29, 30 and 1.
    EXPECT_EQ(visibleColumn(0, 29), (std::array<int, 3>{6, 7, 0}));
    EXPECT_EQ(wrapStop(0), 30);
    EXPECT_EQ(wrapStop(31), 1);
}

TEST(Reels, WildOnlyOnReelThreeAtEightAndTwenty)
{
    for (int reel = 0; reel < 3; ++reel)
        for (int pos = 1; pos <= 30; ++pos)
            EXPECT_EQ(symbolAt(reel, pos) == Wild, reel == 2 && (pos == 8 || pos == 20));
}

TEST(Random, FollowsTheGeneratorFormula)
{
    RandomSource rng(0);
    // seed 0 -> 1: (1 * 30) >> 32 == 0
    EXPECT_EQ(rng.Random(30), 0);
    EXPECT_EQ(rng.seed(), 1u);
    rng.setSeed(0xFFFFFFFFu);
    const std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(rng.Random(1000), std::int32_t((std::uint64_t(next) * 1000u) >> 32));
}
