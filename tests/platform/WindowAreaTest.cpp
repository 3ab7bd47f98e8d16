// Where the framed main window goes: screen - 10 outside, inside the area panels leave free.

#include "platform/Screen.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

TEST(WindowAreaTest, OuterWindowSitsAtTheFreeCornerAndNeverCoversPanels)
{
    const QSize wanted(1014, 758); // a 1024 x 768 screen less 10
    // No panels: the whole screen is free, and the wanted size fits.
    EXPECT_EQ(outerWindowArea(wanted, QRect(0, 0, 1024, 768)), QRect(0, 0, 1014, 758));
    // A 30-pixel panel at the top: the window starts below it and is cut to the rest.
    EXPECT_EQ(outerWindowArea(wanted, QRect(0, 30, 1024, 738)), QRect(0, 30, 1014, 738));
    // A 48-pixel dock on the left.
    EXPECT_EQ(outerWindowArea(wanted, QRect(48, 0, 976, 768)), QRect(48, 0, 976, 758));
    // A face narrowed to 4:3 on a wide screen (1440 - 10 of 1920) stays in the middle.
    EXPECT_EQ(outerWindowArea(QSize(1430, 1070), QRect(0, 0, 1920, 1080)), QRect(245, 0, 1430, 1070));
}

} // namespace
} // namespace varnholt
