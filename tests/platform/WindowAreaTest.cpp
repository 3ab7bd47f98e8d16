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

TEST(WindowAreaTest, SideWindowsStandOverTheirWindowWithTheTitleBarOnScreen)
{
    const QRect screen(0, 0, 800, 600);
    // The advert, 605 x 623 inside a 4-pixel frame with a 24-pixel title bar, at 800 x 600:
    // taller than the screen, so its top (the title bar) goes to the top and its bottom is cut.
    EXPECT_EQ(windowFramePlace(QSize(613, 651), screen, screen), QPoint(93, 0));
    // Below a 30-pixel panel, the title bar stays below the panel.
    EXPECT_EQ(windowFramePlace(QSize(613, 651), screen, QRect(0, 30, 800, 570)), QPoint(93, 30));
    // Wider than the free area too: the left edge stays on screen.
    EXPECT_EQ(windowFramePlace(QSize(900, 700), screen, QRect(48, 0, 752, 600)), QPoint(48, 0));
    // A window that fits is centred over the game, moved only as far as needed to stay on screen.
    EXPECT_EQ(windowFramePlace(QSize(200, 100), QRect(100, 100, 400, 300), screen), QPoint(199, 199));
    EXPECT_EQ(windowFramePlace(QSize(400, 300), QRect(500, 400, 300, 200), screen), QPoint(400, 300));
}

} // namespace
} // namespace varnholt
