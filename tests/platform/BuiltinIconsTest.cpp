// The generated pictures: their sizes, and the properties the face relies on when it cuts them
// into cells, halves and glyphs.

#include "PictureTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing::builtinPicture;
using testing::colourDistance;
using testing::luma;
using testing::meanColour;
using testing::MeanColour;

QImage beside(const std::string &name)
{
    DecodedPicture picture =
        loadPictureFile(std::string(VARNHOLT_TEST_DATA) + "/../../assets/beside/" + name);
    return picture ? *picture.image : QImage();
}

double meanBrightness(const QImage &image, const QRect &area) { return meanColour(image, area).luma(); }

TEST(BuiltinPictures, EachHasItsSize)
{
    const struct {
        const char *name;
        int width, height;
    } pictures[] = {
        {"symbols.jpg", 304, 228},    {"motion.jpg", 76, 456},       {"nudge.jpg", 76, 40},
        {"bet1.jpg", 78, 118},        {"bet3.jpg", 78, 118},         {"spin.jpg", 78, 118},
        {"logo.jpg", 125, 70},        {"logomask.gif", 125, 70},     {"digits_small.gif", 188, 21},
        {"green_small.gif", 188, 21}, {"digits_large.gif", 376, 42}, {"green_large.gif", 376, 42},
        {"chip1.gif", 66, 42},        {"chip2.gif", 66, 42},         {"chip3.gif", 66, 42},
        {"chip4.gif", 66, 42},        {"face.jpg", 800, 600},        {"dimmed.jpg", 302, 143},
        {"dimmed2.jpg", 436, 49},     {"crystalball.jpg", 167, 186}, {"bonusroom.jpg", 800, 600},
        {"box1a.jpg", 191, 179},      {"box1b.jpg", 191, 179},       {"box2a.jpg", 191, 179},
        {"box2b.jpg", 191, 179},      {"box3a.jpg", 100, 94},        {"box3b.jpg", 100, 94},
        {"box4a.jpg", 100, 94},       {"box4b.jpg", 100, 94},        {"box5a.jpg", 125, 118},
        {"box5b.jpg", 125, 118},      {"paychart.jpg", 640, 560},    {"banner.gif", 600, 75},
        {"printer1.jpg", 100, 100},   {"printer2.jpg", 100, 100},
    };
    for (const auto &p : pictures)
        EXPECT_EQ(builtinPicture(p.name).size(), QSize(p.width, p.height)) << p.name;
}

struct Sheet {
    const char *name;
    int cell;
};

const std::vector<Sheet> &sizedSheets()
{
    static const std::vector<Sheet> sheets = {
        {"Vrn152.jpg", 152}, {"Vrn122.jpg", 122}, {"Vrn110.jpg", 110}, {"Vrn98.jpg", 98}, {"Vrn61.jpg", 61},
    };
    return sheets;
}

TEST(BuiltinIcons, SizedSheetsBesideTheProgramHoldTwelveCellsOfTheirSize)
{
    for (const Sheet &s : sizedSheets()) {
        SCOPED_TRACE(s.name);
        const QImage image = beside(s.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), 4 * s.cell);
        EXPECT_EQ(image.height(), 3 * s.cell);
    }
}

// A reel shows cells one under another, so every cell's outermost pixels must be the plain
// ground colour: art that runs over a cell edge would show as a sliver on the next symbol.
void expectCellEdgesArePlainGround(const QImage &sheet, int cell)
{
    const QRgb ground = sheet.pixel(0, 0);
    EXPECT_GT(luma(ground), 180) << "the reel windows are light";
    int worst = 0;
    for (int code = 0; code < 12; ++code) {
        const int left = (code % 4) * cell, top = (code / 4) * cell;
        for (int i = 0; i < cell; ++i) {
            for (QPoint p : {QPoint(left + i, top), QPoint(left + i, top + cell - 1), QPoint(left, top + i),
                             QPoint(left + cell - 1, top + i)})
                worst = std::max(worst, colourDistance(sheet.pixel(p), ground));
        }
    }
    EXPECT_LE(worst, 24);
}

TEST(BuiltinIcons, SymbolCellsMeetOnPlainGroundAtEverySize)
{
    {
        SCOPED_TRACE("symbols.jpg");
        const QImage sheet = builtinPicture("symbols.jpg");
        ASSERT_FALSE(sheet.isNull());
        expectCellEdgesArePlainGround(sheet, 76);
    }
    for (const Sheet &s : sizedSheets()) {
        SCOPED_TRACE(s.name);
        const QImage sheet = beside(s.name);
        ASSERT_FALSE(sheet.isNull());
        expectCellEdgesArePlainGround(sheet, s.cell);
    }
}

TEST(BuiltinIcons, EveryCellHoldsArtAndTheWildFramesDifferInColour)
{
    const QImage sheet = builtinPicture("symbols.jpg");
    ASSERT_FALSE(sheet.isNull());
    const QRgb ground = sheet.pixel(0, 0);
    std::vector<MeanColour> cellColour;
    for (int code = 0; code < 12; ++code) {
        const QRect cell((code % 4) * 76, (code / 4) * 76, 76, 76);
        int inked = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                inked += colourDistance(sheet.pixel(x, y), ground) > 60;
        EXPECT_GT(inked, 76 * 76 / 5) << "symbol " << code << " is nearly empty";
        cellColour.push_back(meanColour(sheet, cell));
    }
    // The Wild animation swings through codes 9, 10 and 11: each must look different.
    for (int a = 9; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b) {
            const double d = std::abs(cellColour[a].red - cellColour[b].red) +
                             std::abs(cellColour[a].green - cellColour[b].green) +
                             std::abs(cellColour[a].blue - cellColour[b].blue);
            EXPECT_GT(d, 15) << "Wild frames " << a << " and " << b << " look alike";
        }
}

TEST(BuiltinIcons, SpinningStripJoinsItsBottomToItsTop)
{
    const QImage strip = builtinPicture("motion.jpg");
    ASSERT_FALSE(strip.isNull());
    auto rowStep = [&](int upper, int lower) {
        double sum = 0;
        for (int x = 0; x < strip.width(); ++x)
            sum += colourDistance(strip.pixel(x, upper), strip.pixel(x, lower));
        return sum / strip.width();
    };
    double largestInside = 0;
    for (int y = 0; y + 1 < strip.height(); ++y)
        largestInside = std::max(largestInside, rowStep(y, y + 1));
    // Read circularly, the wrap from the last row to the first is no harsher than any other step.
    EXPECT_LE(rowStep(strip.height() - 1, 0), largestInside + 6);
    // And the strip is blurred along the reel: no row jumps sharply to the next.
    EXPECT_LT(largestInside, 60);
    // It is the light reel with the symbols' colours smeared along it, not a dark or empty band.
    EXPECT_GT(meanBrightness(strip, strip.rect()), 150);
    int farthest = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            farthest = std::max(farthest, colourDistance(strip.pixel(x, y), strip.pixel(0, 0)));
    EXPECT_GT(farthest, 150);
}

TEST(BuiltinIcons, ButtonsAreLitInTheirLowerHalf)
{
    for (const char *name : {"bet1.jpg", "bet3.jpg", "spin.jpg", "nudge.jpg"}) {
        SCOPED_TRACE(name);
        const QImage button = builtinPicture(name);
        ASSERT_FALSE(button.isNull());
        const int half = button.height() / 2;
        const double unlit = meanBrightness(button, QRect(0, 0, button.width(), half));
        const double lit = meanBrightness(button, QRect(0, half, button.width(), button.height() - half));
        EXPECT_GT(lit, unlit + 40);
    }
    // Three different plates, not one picture thrice.
    EXPECT_NE(builtinPicture("bet1.jpg"), builtinPicture("bet3.jpg"));
    EXPECT_NE(builtinPicture("bet1.jpg"), builtinPicture("spin.jpg"));
}

bool insideLogoOval(int x, int y)
{
    const double dx = (x + 0.5 - 62.5) / 62.5;
    const double dy = (y + 0.5 - 35.0) / 35.0;
    return dx * dx + dy * dy <= 1.0;
}

TEST(BuiltinIcons, LogoMaskIsBlackExactlyInsideTheOval)
{
    const QImage mask = builtinPicture("logomask.gif");
    ASSERT_FALSE(mask.isNull());
    int wrong = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb expected = insideLogoOval(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            wrong += (mask.pixel(x, y) | 0xFF000000u) != expected;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(BuiltinIcons, LogoIsBlackOutsideTheOvalSoTheFaceShowsThroughUnchanged)
{
    const QImage logo = builtinPicture("logo.jpg");
    ASSERT_FALSE(logo.isNull());
    int brightest = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            if (!insideLogoOval(x, y)) {
                const QRgb c = logo.pixel(x, y);
                brightest = std::max({brightest, qRed(c), qGreen(c), qBlue(c)});
            }
    EXPECT_LE(brightest, 12); // JPEG leaves a trace of noise; ORed onto the face it stays invisible
    EXPECT_GT(meanBrightness(logo, QRect(40, 25, 45, 20)), 40) << "the badge itself shows";
}

struct Strip {
    const char *name;
    int cellWidth;
    int cellHeight;
    bool green;
};

int litPixels(const QImage &strip, const QRect &cell, bool green)
{
    int lit = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb c = strip.pixel(x, y);
            lit += (green ? qGreen(c) : qRed(c)) > 150;
        }
    return lit;
}

TEST(BuiltinIcons, DigitStripsHoldTenDistinctGlyphsInTheirColourOnBlack)
{
    const Strip strips[] = {
        {"digits_small.gif", 16, 21, false},
        {"green_small.gif", 16, 21, true},
        {"digits_large.gif", 32, 42, false},
        {"green_large.gif", 32, 42, true},
    };
    for (const Strip &s : strips) {
        SCOPED_TRACE(s.name);
        const QImage strip = builtinPicture(s.name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(strip.isNull());
        // The meter's box is filled black around the glyphs: the glyph ground must match it.
        EXPECT_EQ(strip.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0));
        EXPECT_EQ(strip.pixel(strip.width() - 1, strip.height() - 1) | 0xFF000000u, qRgb(0, 0, 0));

        std::vector<QImage> glyphs;
        std::vector<int> lit;
        for (int d = 0; d < 10; ++d) {
            const QRect cell(d * s.cellWidth, 0, s.cellWidth, s.cellHeight);
            glyphs.push_back(strip.copy(cell));
            lit.push_back(litPixels(strip, cell, s.green));
        }
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_NE(glyphs[a], glyphs[b]) << "digits " << a << " and " << b;
        // Seven segments: 8 lights them all, 1 only two; 7 lights fewer than 0.
        for (int d = 0; d < 10; ++d) {
            if (d != 8) {
                EXPECT_GT(lit[8], lit[d]) << "digit " << d;
            }
            if (d != 1) {
                EXPECT_LT(lit[1], lit[d]) << "digit " << d;
            }
        }
        EXPECT_LT(lit[7], lit[0]);

        // Lit in the strip's own colour.
        const MeanColour c = meanColour(strip, QRect(0, 0, 10 * s.cellWidth, s.cellHeight));
        if (s.green) {
            EXPECT_GT(c.green, 2 * c.red);
        } else {
            EXPECT_GT(c.red, 2 * c.green);
        }
        // The dot and the colon sit in the strip's last 28 (or 56) pixels.
        const QRect marks(10 * s.cellWidth, 0, strip.width() - 10 * s.cellWidth, s.cellHeight);
        EXPECT_GT(litPixels(strip, marks, s.green), 0);
    }
}

TEST(BuiltinIcons, ChipsStandOnExactTealAndShowTheirColour)
{
    struct Chip {
        const char *name;
        bool blue, red, green;
    };
    const Chip chips[] = {
        {"chip1.gif", true, false, false},  // 1,000: blue
        {"chip2.gif", false, true, false},  // 100: red
        {"chip3.gif", false, false, true},  // 10: green
        {"chip4.gif", false, false, false}, // 1: black
    };
    for (const Chip &chip : chips) {
        SCOPED_TRACE(chip.name);
        const QImage image = builtinPicture(chip.name);
        ASSERT_FALSE(image.isNull());
        // The button keys out this very colour: it must be exact in every corner.
        for (QPoint corner : {QPoint(0, 0), QPoint(65, 0), QPoint(0, 41), QPoint(65, 41)})
            EXPECT_EQ(image.pixel(corner) | 0xFF000000u, qRgb(0, 128, 128));
        // The chip's rim at the top, between two of its white inserts.
        const MeanColour c = meanColour(image, QRect(29, 4, 8, 3));
        if (chip.blue) {
            EXPECT_GT(c.blue, c.red + 40);
        } else if (chip.red) {
            EXPECT_GT(c.red, c.green + 60);
        } else if (chip.green) {
            EXPECT_GT(c.green, c.red + 40);
        } else {
            EXPECT_LT(c.red + c.green + c.blue, 3 * 90);
        }
    }
}

} // namespace
} // namespace varnholt
