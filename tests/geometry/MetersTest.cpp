// Meter geometry at its limits; the ordinary placements are checked pixel by pixel on the face.

#include "geometry/Meters.h"

#include <gtest/gtest.h>

#include <climits>

using namespace varnholt;

TEST(GlyphSize, SmallBelowOneThousandLargeFromIt)
{
    EXPECT_EQ(glyphSizeForWidth(640), kSmallGlyph);
    EXPECT_EQ(glyphSizeForWidth(999), kSmallGlyph);
    EXPECT_EQ(glyphSizeForWidth(1000), kLargeGlyph);
    EXPECT_EQ(glyphSizeForWidth(1024), kLargeGlyph);
}

TEST(MeterCells, ZeroAndExtremeValuesKeepEveryDigit)
{
    EXPECT_EQ(meterCells(0, true, 100, 0, kSmallGlyph).text, "0");
    EXPECT_EQ(meterCells(INT_MAX, true, 100, 0, kSmallGlyph).text, "2147483647");
    // A negative value leads with its sign and is never cut short.
    const MeterCells lowest = meterCells(INT_MIN, true, 400, 0, kSmallGlyph);
    EXPECT_EQ(lowest.text, "-2147483648");
    EXPECT_EQ(lowest.firstCellLeft, 400 - 11 * 16);
    EXPECT_EQ(meterCells(-5, false, 10, 0, kSmallGlyph).blackBox, (PixelRect{10, 0, 58, 21}));
}

TEST(MeterCells, MinusBarSitsInsideItsCell)
{
    for (GlyphSize glyph : {kSmallGlyph, kLargeGlyph}) {
        const PixelRect bar = minusBar(100, 50, glyph);
        EXPECT_GT(bar.left, 100);
        EXPECT_LT(bar.right, 100 + glyph.width);
        EXPECT_GT(bar.top, 50 + glyph.height / 3);
        EXPECT_LT(bar.bottom, 50 + glyph.height * 2 / 3);
        EXPECT_LT(bar.top, bar.bottom);
    }
}
