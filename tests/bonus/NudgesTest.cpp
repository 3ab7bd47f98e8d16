#include "bonus/Nudges.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(NudgeStops, MoveBackOnePositionAndWrap)
{
    EXPECT_EQ(nudgedStop(9), 8);
    EXPECT_EQ(nudgedStop(2), 1);
    EXPECT_EQ(nudgedStop(1), 30);
    // Reel 1 moving from stop 1 to 30: the strip rows are positions 30, 1, 2, 3.
    EXPECT_EQ(nudgeStripSymbols(0, 30), (std::array<int, 4>{7, 0, 1, 2}));
    EXPECT_EQ(nudgeStripSymbols(2, 7), (std::array<int, 4>{2, 9, 1, 7}));
}
