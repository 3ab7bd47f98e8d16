#include "geometry/Layout.h"
#include "geometry/NudgeMotion.h"

#include <gtest/gtest.h>

#include <utility>

using namespace varnholt;

TEST(Layout, ScaledMetricsForCommonWidths)
{
    const Layout w1366 = makeLayout(1366, false);
    EXPECT_EQ(w1366.SymbolSize, 129);
    EXPECT_EQ(w1366.ReelsLeft, 430);
    EXPECT_EQ(w1366.ReelsTop, 464);
    EXPECT_EQ(w1366.ReelPitch, 180);
    EXPECT_EQ(makeLayout(1024, true).SymbolSize, 98);
    EXPECT_EQ(makeLayout(1024, false).SymbolSize, 97);
    EXPECT_EQ(makeLayout(800, false).SymbolSize, 76);
    EXPECT_EQ(layoutWidthForScreen(1920, 1080), 1440);
    EXPECT_EQ(layoutWidthForScreen(1280, 1024), 1280);
    EXPECT_EQ(layoutWidthForScreen(1366, 768), 1024);
}

TEST(NudgeMotion, ScrollLandsOnTheNewStopAtEverySize)
{
    EXPECT_EQ(nudgeScrollTops(makeLayout(800, false)), (std::array<int, 8>{66, 56, 46, 36, 26, 16, 6, 0}));
    for (const auto &[width, sheet] :
         {std::pair{640, true}, {1024, true}, {1024, false}, {1366, false}, {1600, true}}) {
        const Layout layout = makeLayout(width, sheet);
        const auto tops = nudgeScrollTops(layout);
        EXPECT_EQ(tops[0], layout.SymbolSize - layout.Scale(10)) << width;
        EXPECT_EQ(tops[7], 0) << width;
        for (int frame = 1; frame < 8; ++frame)
            EXPECT_LE(tops[frame], tops[frame - 1]) << width;
        EXPECT_GE(tops[6], 0) << width;
    }
    EXPECT_EQ(nudgeBounceHeight(makeLayout(800, false)), 220);
}
