#include "platform/GifDecoder.h"
#include "platform/PictureLoader.h"

#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnholt {
namespace {

using testing::readFixture;

// A hand-assembled GIF whose one frame is a single pixel of colour index `pixel`, placed at
// (left, top) on a logical screen, so each header field can be set to awkward values.
struct TinyGif {
    int screenWidth = 1, screenHeight = 1;
    std::vector<QRgb> globalColours = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    int background = 0;
    int transparent = -1;
    int left = 0, top = 0, width = 1, height = 1;
    std::vector<QRgb> localColours;
    int pixel = 0; // 0..3
    bool withFrame = true;

    static void word(QByteArray &out, int value)
    {
        out += char(value & 0xFF);
        out += char((value >> 8) & 0xFF);
    }
    // Colour tables hold 2, 4, 8... entries; the flag byte stores log2(entries) - 1.
    static int tableBits(const std::vector<QRgb> &colours)
    {
        int bits = 0;
        while ((2u << bits) < colours.size())
            ++bits;
        return bits;
    }
    static void table(QByteArray &out, const std::vector<QRgb> &colours)
    {
        for (std::size_t i = 0; i < (2u << tableBits(colours)); ++i) {
            const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
            out += char(qRed(c));
            out += char(qGreen(c));
            out += char(qBlue(c));
        }
    }

    QByteArray bytes() const
    {
        QByteArray out("GIF89a");
        word(out, screenWidth);
        word(out, screenHeight);
        out += char(globalColours.empty() ? 0 : 0x80 | tableBits(globalColours));
        out += char(background);
        out += char(0);
        if (!globalColours.empty())
            table(out, globalColours);
        if (transparent >= 0)
            out += QByteArray("\x21\xF9\x04\x01\x00\x00", 6) + char(transparent) + char(0);
        if (withFrame) {
            out += char(0x2C);
            word(out, left);
            word(out, top);
            word(out, width);
            word(out, height);
            out += char(localColours.empty() ? 0 : 0x80 | tableBits(localColours));
            if (!localColours.empty())
                table(out, localColours);
            // LZW, 2-bit minimum code size: clear (4), the pixel, end (5) as 3-bit codes.
            out += char(2);
            out += char(2);
            out += char(4 | (pixel << 3) | 0x40);
            out += char(0x01);
            out += char(0);
        }
        out += char(0x3B);
        return out;
    }
};

TEST(GifDecoding, TransparentColourGivesZeroAlphaAndOtherPixelsStayOpaque)
{
    DecodedPicture picture = decodePicture(readFixture("transparent.gif"));
    ASSERT_TRUE(picture) << picture.error;
    const QImage &image = *picture.image;
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(2, 3)), 0);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(7, 7), qRgb(255, 0, 0));
}

TEST(GifDecoding, InterlacedRowsLandInTheirPlaces)
{
    // interlaced.gif: one column of 16 rows, row y blue 16 * y, sent in four interlace passes.
    DecodedPicture picture = decodePicture(readFixture("interlaced.gif"));
    ASSERT_TRUE(picture) << picture.error;
    ASSERT_EQ(picture.image->size(), QSize(1, 16));
    EXPECT_EQ(picture.image->format(), QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(picture.image->pixel(0, y), qRgb(0, 0, 16 * y)) << "row " << y;
}

TEST(GifDecoding, FrameSitsOnItsScreenWithTheRightColourTable)
{
    TinyGif offset;
    offset.screenWidth = 6;
    offset.screenHeight = 5;
    offset.globalColours = {qRgb(10, 20, 30), qRgb(200, 100, 50)};
    offset.left = 3;
    offset.top = 2;
    offset.pixel = 1;
    DecodedPicture picture = decodePicture(offset.bytes());
    ASSERT_TRUE(picture) << picture.error;
    ASSERT_EQ(picture.image->size(), QSize(6, 5));
    EXPECT_EQ(picture.image->format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image->pixel(3, 2), qRgb(200, 100, 50));
    EXPECT_EQ(picture.image->pixel(0, 0), qRgb(10, 20, 30)); // background colour

    // With a transparent colour the uncovered screen is see-through.
    offset.transparent = 0;
    picture = decodePicture(offset.bytes());
    ASSERT_TRUE(picture) << picture.error;
    EXPECT_EQ(picture.image->format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(picture.image->pixel(0, 0)), 0);
    EXPECT_EQ(picture.image->pixel(3, 2), qRgb(200, 100, 50));

    TinyGif local;
    local.globalColours = {qRgb(255, 0, 0), qRgb(255, 0, 0)};
    local.localColours = {qRgb(0, 255, 0), qRgb(0, 0, 255)};
    local.pixel = 1;
    picture = decodePicture(local.bytes());
    ASSERT_TRUE(picture) << picture.error;
    EXPECT_EQ(picture.image->pixel(0, 0), qRgb(0, 0, 255));

    // A frame reaching past a screen declared as 0 x 0 is shown whole.
    TinyGif noScreen;
    noScreen.screenWidth = noScreen.screenHeight = 0;
    noScreen.left = 2;
    noScreen.pixel = 1;
    picture = decodePicture(noScreen.bytes());
    ASSERT_TRUE(picture) << picture.error;
    ASSERT_EQ(picture.image->size(), QSize(3, 1));
    EXPECT_EQ(picture.image->pixel(2, 0), qRgb(255, 255, 255));
}

TEST(GifDecoding, MalformedHeadersAreRefusedOrReadSafely)
{
    // An index past a two-colour table reads as black instead of past the table's end.
    TinyGif pastTable;
    pastTable.pixel = 3;
    DecodedPicture picture = decodePicture(pastTable.bytes());
    ASSERT_TRUE(picture) << picture.error;
    EXPECT_EQ(picture.image->pixel(0, 0), qRgb(0, 0, 0));

    TinyGif noColours;
    noColours.globalColours.clear();
    picture = decodePicture(noColours.bytes());
    EXPECT_FALSE(picture);
    EXPECT_NE(picture.error.find("colour table"), std::string::npos) << picture.error;

    TinyGif noFrame;
    noFrame.withFrame = false;
    picture = decodePicture(noFrame.bytes());
    EXPECT_FALSE(picture);
    EXPECT_NE(picture.error.find("no picture"), std::string::npos) << picture.error;

    TinyGif hugeScreen;
    hugeScreen.screenWidth = hugeScreen.screenHeight = 60000;
    TinyGif hugeFrame;
    hugeFrame.width = 40000;
    TinyGif wideAndTall; // each side allowed, the area not
    wideAndTall.width = wideAndTall.height = 16000;
    for (const TinyGif &huge : {hugeScreen, hugeFrame, wideAndTall}) {
        picture = decodePicture(huge.bytes());
        EXPECT_FALSE(picture);
        EXPECT_NE(picture.error.find("too large"), std::string::npos) << picture.error;
    }
}

TEST(GifDecoding, ErrorCodesWithoutTextStillGiveAMessage)
{
    EXPECT_GT(gifErrorText(103).size(), std::string("GIF: ").size()); // a code giflib knows
    const std::string unknown = gifErrorText(9999);
    EXPECT_NE(unknown.find("9999"), std::string::npos) << unknown;
}

} // namespace
} // namespace varnholt
