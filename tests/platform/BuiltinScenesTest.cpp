// The built-in scene pictures: the art lines up with the places the game paints over or
// clicks on (reel cells, meter band, chest rectangles).

#include "PictureTestSupport.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using testing::builtinPicture;
using testing::meanColour;
using testing::MeanColour;

// Mean absolute per-channel difference between two same-sized areas of two pictures.
double meanDifference(const QImage &a, QPoint aOrigin, const QImage &b, QPoint bOrigin, QSize size)
{
    double sum = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            sum += testing::colourDistance(a.pixel(aOrigin + QPoint(x, y)), b.pixel(bOrigin + QPoint(x, y)));
    }
    return sum / (3.0 * size.width() * size.height());
}

// Reel r's cells on the 800-wide face: x 252 + 106 r for 76 pixels, y 272 for three rows of 76.
QRect reelCells(int reel) { return QRect(252 + 106 * reel, 272, 76, 3 * 76); }

TEST(BuiltinScenes, FaceFramesEachReelWindowDarkAroundLightCells)
{
    const QImage face = builtinPicture("face.jpg");
    ASSERT_EQ(face.size(), QSize(800, 600));
    for (int reel = 0; reel < 3; ++reel) {
        const QRect cells = reelCells(reel);
        // a 2-pixel strip just outside each side of the cells, and the cells well inside
        const QRect outside[] = {
            QRect(cells.left() - 3, cells.top(), 2, cells.height()),
            QRect(cells.right() + 2, cells.top(), 2, cells.height()),
            QRect(cells.left(), cells.top() - 3, cells.width(), 2),
            QRect(cells.left(), cells.bottom() + 2, cells.width(), 2),
        };
        for (const QRect &strip : outside)
            EXPECT_LT(meanColour(face, strip).luma(), 50)
                << "reel " << reel << " frame at " << strip.x() << "," << strip.y();
        EXPECT_GT(meanColour(face, cells.adjusted(3, 3, -3, -3)).luma(), 180) << "reel " << reel;
        // the cells are plain: no row darker than a light grey
        for (int y = cells.top() + 3; y < cells.bottom() - 3; y += 19)
            EXPECT_GT(meanColour(face, QRect(cells.left() + 3, y, cells.width() - 6, 1)).luma(), 150)
                << "reel " << reel << " y " << y;
    }
}

TEST(BuiltinScenes, FaceIsBlackWhereTheMetersAndCountersAreDrawn)
{
    const QImage face = builtinPicture("face.jpg");
    ASSERT_EQ(face.size(), QSize(800, 600));
    EXPECT_LT(meanColour(face, QRect(238, 21, 396, 48)).luma(), 8) << "meter band";
    EXPECT_LT(meanColour(face, QRect(580, 225, 74, 55)).luma(), 8) << "bonus meter and nudge counter box";
}

TEST(BuiltinScenes, DimmedPanelsAreDarkerCopiesOfTheFaceAtTheirPlaces)
{
    const QImage face = builtinPicture("face.jpg");
    const struct {
        const char *name;
        QRect place;
    } panels[] = {{"dimmed.jpg", QRect(247, 98, 302, 143)}, {"dimmed2.jpg", QRect(221, 551, 436, 49)}};
    for (const auto &p : panels) {
        const QImage dimmed = builtinPicture(p.name);
        ASSERT_EQ(dimmed.size(), p.place.size()) << p.name;
        const double lit = meanColour(face, p.place).luma();
        const double dark = meanColour(dimmed, dimmed.rect()).luma();
        EXPECT_LT(dark, 0.7 * lit) << p.name;
        EXPECT_GT(dark, 0.1 * lit) << p.name << " should still show the panel, not black";
    }
}

TEST(BuiltinScenes, LitCrystalBallGlowsAndJoinsTheFaceAtItsEdges)
{
    const QImage face = builtinPicture("face.jpg");
    const QImage ball = builtinPicture("crystalball.jpg");
    const QRect place(26, 361, 167, 186);
    ASSERT_EQ(ball.size(), place.size());
    const QRect centre(ball.width() / 2 - 20, 65 - 20, 40, 40);
    EXPECT_GT(meanColour(ball, centre).luma(),
              meanColour(face, centre.translated(place.topLeft())).luma() + 60);
    // the outer ring of the lit picture is the unlit face, so the swap shows no seam
    EXPECT_LT(meanDifference(ball, QPoint(0, 0), face, place.topLeft(), QSize(place.width(), 3)), 6);
    EXPECT_LT(meanDifference(ball, QPoint(0, 0), face, place.topLeft(), QSize(3, place.height())), 6);
}

struct ChestPlace {
    const char *name;
    QRect rect; // the click rectangle less its inclusive right and bottom edge
};

const ChestPlace chests[] = {
    {"box1", QRect(15, 408, 191, 179)},  {"box2", QRect(594, 394, 191, 179)},
    {"box3", QRect(485, 356, 100, 94)},  {"box4", QRect(238, 368, 100, 94)},
    {"box5", QRect(349, 404, 125, 118)},
};

TEST(BuiltinScenes, EachClosedChestStandsInsideItsRectangle)
{
    const QImage room = builtinPicture("bonusroom.jpg");
    ASSERT_EQ(room.size(), QSize(800, 600));
    for (const ChestPlace &c : chests) {
        const QRect r = c.rect;
        // the chest body fills the lower middle of the rectangle; the floor lies beside it
        const QRect body(r.left() + r.width() * 15 / 100, r.top() + r.height() * 60 / 100,
                         r.width() * 70 / 100, r.height() * 30 / 100);
        const MeanColour inside = meanColour(room, body);
        const MeanColour left = meanColour(room, QRect(r.left() - 6, body.top(), 5, body.height()));
        const MeanColour right = meanColour(room, QRect(r.right() + 2, body.top(), 5, body.height()));
        EXPECT_GT(inside.distance(left), 40) << c.name;
        EXPECT_GT(inside.distance(right), 40) << c.name;
        EXPECT_GT(inside.red - inside.blue, 40) << c.name << " should be wood and gold";
    }
}

TEST(BuiltinScenes, OpenChestPicturesCoverTheirRectangleSeamlessly)
{
    const QImage room = builtinPicture("bonusroom.jpg");
    ASSERT_EQ(room.size(), QSize(800, 600));
    for (const ChestPlace &c : chests) {
        for (const char *step : {"a", "b"}) {
            const std::string name = std::string(c.name) + step + ".jpg";
            const QImage open = builtinPicture(name);
            ASSERT_EQ(open.size(), c.rect.size()) << name;
            const QPoint at = c.rect.topLeft();
            const int w = open.width(), h = open.height();
            // the edges of the open picture are the room itself...
            EXPECT_LT(meanDifference(open, {0, 0}, room, at, QSize(w, 2)), 8) << name << " top";
            EXPECT_LT(meanDifference(open, {0, h - 2}, room, at + QPoint(0, h - 2), QSize(w, 2)), 8)
                << name << " bottom";
            EXPECT_LT(meanDifference(open, {0, 0}, room, at, QSize(2, h)), 8) << name << " left";
            EXPECT_LT(meanDifference(open, {w - 2, 0}, room, at + QPoint(w - 2, 0), QSize(2, h)), 8)
                << name << " right";
            // ...while the chest in the middle has changed
            const QSize middle(w / 2, h / 2);
            EXPECT_GT(meanDifference(open, {w / 4, h / 4}, room, at + QPoint(w / 4, h / 4), middle), 12)
                << name;
        }
        // wide open shows more than half open
        const QImage half = builtinPicture(std::string(c.name) + "a.jpg");
        const QImage wide = builtinPicture(std::string(c.name) + "b.jpg");
        EXPECT_GT(meanDifference(wide, {0, 0}, half, {0, 0}, half.size()), 5) << c.name;
    }
}

TEST(BuiltinScenes, BannerShowsSixBrandButtonsOnItsLinkAreas)
{
    const QImage banner = builtinPicture("banner.gif");
    ASSERT_EQ(banner.size(), QSize(600, 75));
    // each area's middle is a light button; the shared edges between areas are darker seams
    const QRect areas[] = {QRect(263, 27, 92, 23), QRect(263, 50, 92, 24), QRect(355, 27, 96, 23),
                           QRect(355, 50, 96, 24), QRect(451, 27, 87, 23), QRect(451, 50, 87, 24)};
    for (const QRect &a : areas) {
        const QRect nearEdge(a.left() + 6, a.top() + 4, 10, 4);
        EXPECT_GT(meanColour(banner, nearEdge).luma(), 180) << a.x() << "," << a.y();
        EXPECT_LT(meanColour(banner, QRect(a.left(), a.top() + 8, 1, 8)).luma(),
                  meanColour(banner, nearEdge).luma() - 40)
            << a.x() << "," << a.y();
    }
}

} // namespace
} // namespace varnholt
