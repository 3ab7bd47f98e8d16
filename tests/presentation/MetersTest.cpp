#include "core/Meters.h"

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

TEST(MeterCells, RightAlignedValueEndsAtItsAnchor)
{
    // Credits 1000 at 800: four cells from 556 to 620, black from 540.
    const MeterCells cells = meterCells(1000, true, 620, 38, kSmallGlyph);
    EXPECT_EQ(cells.text, "1000");
    EXPECT_EQ(cells.firstCellLeft, 556);
    EXPECT_EQ(cells.blackBox, (PixelRect{540, 38, 620, 59}));

    // 999 wipes one cell to its left: exactly where the leading 1 of 1000 stood.
    const MeterCells shorter = meterCells(999, true, 620, 38, kSmallGlyph);
    EXPECT_EQ(shorter.firstCellLeft, 572);
    EXPECT_EQ(shorter.blackBox.left, 556);

    // 10000 -> 995 loses two digits: the outermost old one (540..556) is not wiped.
    EXPECT_EQ(meterCells(995, true, 620, 38, kSmallGlyph).blackBox.left, 556);
}

TEST(MeterCells, LeftAlignedValueWipesOneCellToItsRight)
{
    // Coins 3 at 1024: one large cell at 320..352, black from 320 to 384.
    const MeterCells cells = meterCells(3, false, 320, 48, kLargeGlyph);
    EXPECT_EQ(cells.text, "3");
    EXPECT_EQ(cells.firstCellLeft, 320);
    EXPECT_EQ(cells.blackBox, (PixelRect{320, 48, 384, 90}));
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
