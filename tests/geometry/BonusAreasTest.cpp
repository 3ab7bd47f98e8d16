#include "geometry/BonusMeterCell.h"
#include "geometry/ChestAreas.h"

#include <gtest/gtest.h>

#include <climits>

using namespace varnholt;

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

TEST(Chests, PrizeTextIsCentredOnTheChest)
{
    // Chest 1 spans 15..206 x 408..587: centre (110, 497).
    const TextOrigin origin = prizeTextOrigin(0, 101, 37);
    EXPECT_EQ(origin.x, 15 + 95 - 50);
    EXPECT_EQ(origin.y, 408 + 89 - 18);
}

TEST(BonusMeter, CellPerPoints)
{
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
