#include "core/PayTable.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(PayTable, FirstMatchingRowAndTheWildOnReelThree)
{
    EXPECT_EQ(linePays(GoldBars, GoldBars, GoldBars), 250);
    EXPECT_EQ(linePays(GoldBars, GoldBars, Wild), 250);
    EXPECT_EQ(linePays(Knight, Knight, Wild), 50);
    EXPECT_EQ(linePays(Skull, Skull, Wild), 3);
    EXPECT_EQ(linePays(Skull, Skull, Swords), 0);
    EXPECT_EQ(linePays(Wild, Skull, Skull), 0); // the Wild stands in on reel 3 only
    EXPECT_EQ(linePays(Horse, Knight, Horse), 0);
    EXPECT_EQ(linePays(BonusSymbol, BonusSymbol, BonusSymbol), 0);
}
