#include "platform/Canvas.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace varnholt;

namespace {
QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override { test::testApp(); }
};
} // namespace

TEST_F(CanvasTest, FillsAndLinesStopBeforeTheirRightAndBottomEdges)
{
    Canvas canvas(QSize(40, 30));
    canvas.fill(10, 5, 20, 8, Qt::red);
    canvas.horizontalLine(3, 9, 20, QColor(128, 128, 128));
    const QRgb red = qRgb(255, 0, 0), grey = qRgb(128, 128, 128), black = qRgb(0, 0, 0);
    const struct {
        int x, y;
        QRgb colour;
    } expected[] = {
        {10, 5, red},  {19, 7, red},  {20, 7, black}, {19, 8, black}, {9, 5, black},
        {3, 20, grey}, {8, 20, grey}, {9, 20, black}, {5, 19, black}, {5, 21, black},
    };
    for (const auto &e : expected)
        EXPECT_EQ(canvas.pixel(e.x, e.y), e.colour) << e.x << "," << e.y;
}

TEST_F(CanvasTest, CopiesPixelForPixelAndStretches)
{
    QImage source(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            source.setPixel(x, y, qRgb(x * 60, y * 200, 7));
    Canvas canvas(QSize(50, 50));
    canvas.copyAt(source, QRect(1, 0, 2, 2), QPoint(10, 10));
    EXPECT_EQ(canvas.pixel(10, 10), qRgb(60, 0, 7));
    EXPECT_EQ(canvas.pixel(11, 11), qRgb(120, 200, 7));
    EXPECT_EQ(canvas.pixel(12, 10), qRgb(0, 0, 0));

    // A uniform source stretched fills exactly its target.
    canvas.copy(solid(3, 3, Qt::blue), QRect(0, 0, 3, 3), QRect(20, 20, 12, 9));
    EXPECT_EQ(canvas.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(31, 28), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(32, 28), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(31, 29), qRgb(0, 0, 0));
}

TEST_F(CanvasTest, MaskedCopyKeepsTheSurfaceOutsideTheMask)
{
    // Mask: black on the left half, white on the right; picture: green left, black right.
    QImage mask = solid(4, 2, Qt::white);
    QImage picture = solid(4, 2, Qt::black);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            mask.setPixel(x, y, qRgb(0, 0, 0));
            picture.setPixel(x, y, qRgb(0, 200, 0));
        }
    Canvas canvas(QSize(10, 10));
    canvas.fill(0, 0, 10, 10, QColor(90, 40, 160));
    canvas.copyMasked(mask, picture, QPoint(2, 3));
    EXPECT_EQ(canvas.pixel(2, 3), qRgb(0, 200, 0));
    EXPECT_EQ(canvas.pixel(3, 4), qRgb(0, 200, 0));
    EXPECT_EQ(canvas.pixel(4, 3), qRgb(90, 40, 160));
    EXPECT_EQ(canvas.pixel(5, 4), qRgb(90, 40, 160));
    EXPECT_EQ(canvas.pixel(1, 3), qRgb(90, 40, 160));
}

TEST_F(CanvasTest, ReportsEveryChangedArea)
{
    Canvas canvas(QSize(40, 40));
    QRegion changed;
    canvas.changed = [&](const QRect &r) { changed += r; };
    canvas.fill(1, 2, 5, 6, Qt::white);
    canvas.copyAt(solid(3, 3, Qt::red), QPoint(20, 20));
    EXPECT_TRUE(changed.contains(QRect(1, 2, 4, 4)));
    EXPECT_TRUE(changed.contains(QRect(20, 20, 3, 3)));
    EXPECT_FALSE(changed.contains(QPoint(30, 5)));
}

TEST_F(CanvasTest, TextIsDrawnFromItsTopInItsWidth)
{
    Canvas canvas(QSize(200, 60));
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    canvas.setFont(font);
    const int width = canvas.textWidth("Credits");
    EXPECT_GT(width, 30);
    EXPECT_GT(canvas.textWidth("Winnings"), canvas.textWidth("Coins"));
    canvas.textOut(10, 10, "Credits", Qt::white);
    int lit = 0, outside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            if (canvas.pixel(x, y) == qRgb(0, 0, 0))
                continue;
            if (x >= 9 && x <= 10 + width && y >= 10 && y < 10 + 25)
                ++lit;
            else
                ++outside;
        }
    EXPECT_GT(lit, 50);
    EXPECT_EQ(outside, 0);
}

TEST_F(CanvasTest, HighDensitySurfaceKeepsLogicalCoordinates)
{
    Canvas canvas(QSize(20, 10), 2.0);
    EXPECT_EQ(canvas.image().size(), QSize(40, 20));
    canvas.fill(5, 2, 10, 4, Qt::yellow);
    EXPECT_EQ(canvas.image().pixel(10, 4) | 0xff000000u, qRgb(255, 255, 0));
    EXPECT_EQ(canvas.image().pixel(19, 7) | 0xff000000u, qRgb(255, 255, 0));
    EXPECT_EQ(canvas.image().pixel(20, 7) | 0xff000000u, qRgb(0, 0, 0));

    // A grab drawn back lands where it came from, at full density.
    const QImage grabbed = canvas.grab(QRect(4, 1, 8, 4));
    EXPECT_EQ(grabbed.size(), QSize(16, 8));
    canvas.fill(0, 0, 20, 10, Qt::black);
    canvas.copyAt(grabbed, QRect(0, 0, 8, 4), QPoint(4, 1));
    EXPECT_EQ(canvas.pixel(5, 2), qRgb(255, 255, 0));
    EXPECT_EQ(canvas.pixel(10, 2), qRgb(0, 0, 0));
}

TEST_F(CanvasTest, CopiesPastAnyEdgeLeaveWhatAPainterWould)
{
    // Unstretched copies take a row-copying path; each must match the painter's result,
    // including rectangles that reach past the source's or the surface's edges.
    QImage source(12, 8, QImage::Format_RGB32);
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 8; ++y)
            source.setPixel(x, y, qRgb(x * 20, y * 30, 99));
    source.setDevicePixelRatio(2.0);
    const struct {
        QRect from;
        QPoint to;
    } cases[] = {
        {{0, 0, 6, 4}, {1, 1}}, {{2, 1, 6, 4}, {-2, -1}}, {{3, 2, 5, 5}, {8, 7}}, {{-1, -1, 3, 3}, {0, 0}}};
    for (const auto &c : cases) {
        Canvas canvas(QSize(10, 8), 2.0);
        canvas.copyAt(source, c.from, c.to);
        QImage expected(20, 16, QImage::Format_RGB32);
        expected.fill(Qt::black);
        {
            QPainter painter(&expected);
            painter.drawImage(QRectF(c.to * 2, c.from.size() * 2), source,
                              QRectF(c.from.topLeft() * 2, c.from.size() * 2));
        }
        EXPECT_EQ(canvas.image().convertToFormat(QImage::Format_RGB32).copy(), expected) << c.from.x();
    }
}

TEST_F(CanvasTest, PackedColourCopiesLikeFullColour)
{
    // The sized face is kept at three bytes a pixel; copied onto the surface it must give the
    // colours the full-colour picture gives, edges clipped alike.
    QImage full(9, 7, QImage::Format_RGB32);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 7; ++y)
            full.setPixel(x, y, qRgb(x * 28, 255 - y * 36, (x * y * 13) % 256));
    const QImage packed = full.convertToFormat(QImage::Format_RGB888);
    Canvas fromFull(QSize(8, 8)), fromPacked(QSize(8, 8));
    fromFull.copyAt(full, QRect(1, 1, 8, 6), QPoint(-1, 3));
    fromPacked.copyAt(packed, QRect(1, 1, 8, 6), QPoint(-1, 3));
    EXPECT_EQ(fromPacked.image(), fromFull.image());
    EXPECT_EQ(fromPacked.pixel(0, 3), qRgb(56, 219, 26));
}

TEST_F(CanvasTest, AStretchedPictureDrawnAgainLooksAsTheFirstTime)
{
    // A gradient, so smooth stretching gives in-between colours that must come back the same.
    QImage lamp(9, 6, QImage::Format_RGB32);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 6; ++y)
            lamp.setPixel(x, y, qRgb(x * 30, y * 40, 200 - x * 20));
    for (const qreal ratio : {1.0, 2.0}) {
        Canvas canvas(QSize(80, 60), ratio);
        const QRect band(0, 3, 9, 3), target(13, 17, 25, 11);
        canvas.copy(lamp, band, target);
        const QImage first = canvas.grab(target);
        canvas.fill(0, 0, 80, 60, Qt::green);
        canvas.copy(lamp, band, target);
        EXPECT_EQ(canvas.grab(target), first) << "at " << ratio;

        // A changed picture, or another part of it, is drawn anew.
        QImage changed = lamp;
        changed.setPixel(4, 4, qRgb(255, 255, 255));
        canvas.copy(changed, band, target);
        EXPECT_NE(canvas.grab(target), first) << "at " << ratio;
        canvas.copy(lamp, QRect(0, 0, 9, 3), target);
        EXPECT_NE(canvas.grab(target), first) << "at " << ratio;
        canvas.copy(lamp, band, target);
        EXPECT_EQ(canvas.grab(target), first) << "at " << ratio;
    }
}
