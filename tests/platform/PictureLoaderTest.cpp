#include "platform/PictureLoader.h"

#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <random>

namespace varnholt {
namespace {

using testing::closeTo;
using testing::expectEveryTruncationFailsOrIsWhole;
using testing::fixturePath;
using testing::readFixture;

bool near(QRgb actual, QRgb expected) { return closeTo(actual, expected); }

// quadrants.jpg: 32x32, red top-left, green top-right, blue bottom-left, white bottom-right.
void expectQuadrants(const QImage &image)
{
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_PRED2(near, image.pixel(8, 8), qRgb(255, 0, 0));
    EXPECT_PRED2(near, image.pixel(24, 8), qRgb(0, 255, 0));
    EXPECT_PRED2(near, image.pixel(8, 24), qRgb(0, 0, 255));
    EXPECT_PRED2(near, image.pixel(24, 24), qRgb(255, 255, 255));
}

TEST(JpegDecoding, ColourPicturesComeOutOpaqueWithTheirColours)
{
    for (const char *name : {"quadrants.jpg", "progressive.jpg", "cmyk.jpg"}) {
        SCOPED_TRACE(name);
        DecodedPicture fromMemory = decodePicture(readFixture(name));
        ASSERT_TRUE(fromMemory) << fromMemory.error;
        expectQuadrants(*fromMemory.image);

        DecodedPicture fromFile = loadPictureFile(fixturePath(name));
        ASSERT_TRUE(fromFile) << fromFile.error;
        EXPECT_EQ(*fromFile.image, *fromMemory.image);
    }
}

TEST(JpegDecoding, GreyscaleBecomesEqualChannelsFromDarkToLight)
{
    DecodedPicture picture = decodePicture(readFixture("grey.jpg"));
    ASSERT_TRUE(picture) << picture.error;
    const QImage &image = *picture.image;
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    for (int y : {0, 16, 31}) {
        const QRgb p = image.pixel(5, y);
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_EQ(qGreen(p), qBlue(p));
    }
    EXPECT_LT(qRed(image.pixel(5, 0)), 20);
    EXPECT_GT(qRed(image.pixel(5, 31)), 235);
}

TEST(PictureFormat, TruncatedFilesAreRefused)
{
    for (const char *name : {"quadrants.jpg", "progressive.jpg", "transparent.gif", "interlaced.gif"}) {
        SCOPED_TRACE(name);
        expectEveryTruncationFailsOrIsWhole(readFixture(name));
    }
}

// Overwrites the height and width of the frame header (SOF0 or SOF2).
QByteArray withJpegSize(QByteArray jpeg, int width, int height)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        if (uchar(jpeg[i]) == 0xFF && (uchar(jpeg[i + 1]) == 0xC0 || uchar(jpeg[i + 1]) == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

TEST(JpegDecoding, AbsurdDeclaredSizesAreRefusedBeforeDecoding)
{
    const QByteArray good = readFixture("quadrants.jpg");
    for (QSize size : {QSize(20000, 16), QSize(16, 20000), QSize(16384, 16384), QSize(65000, 65000)}) {
        DecodedPicture picture = decodePicture(withJpegSize(good, size.width(), size.height()));
        EXPECT_FALSE(picture) << size.width() << "x" << size.height();
        EXPECT_NE(picture.error.find("too large"), std::string::npos) << picture.error;
    }
    EXPECT_FALSE(decodePicture(withJpegSize(good, 0, 32)));
}

TEST(PictureFormat, IsToldByContentAndAnythingElseIsRefused)
{
    // A JPEG under a GIF name is still read as the JPEG it is.
    QByteArray jpeg = readFixture("quadrants.jpg");
    EXPECT_TRUE(decodePicture(jpeg));
    EXPECT_FALSE(decodePicture(QByteArray()));
    EXPECT_FALSE(decodePicture(readFixture("plain.png")));

    std::mt19937 generator(7);
    QByteArray noise(4096, '\0');
    for (char &c : noise)
        c = char(generator());
    for (QByteArray prefix : {QByteArray(), QByteArray("\xFF\xD8", 2), QByteArray("\xFF\xD8\xFF\xE0", 4),
                              QByteArray("GIF89a"), QByteArray("GIF87a")}) {
        DecodedPicture picture = decodePicture(prefix + noise);
        EXPECT_FALSE(picture) << prefix.toHex().toStdString();
        EXPECT_FALSE(picture.error.empty());
    }

    // Damage inside an otherwise good file: never a crash, never a null picture, and none of
    // the decoders' complaints reach the terminal.
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    for (qsizetype i = 0; i < jpeg.size(); i += 3) {
        QByteArray damaged = jpeg;
        damaged[i] = char(damaged[i] ^ 0x5A);
        DecodedPicture picture = decodePicture(damaged);
        if (picture) {
            EXPECT_FALSE(picture.image->isNull());
        }
    }
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(PictureFiles, MissingOrUnreadableFilesGiveAReason)
{
    DecodedPicture missing = loadPictureFile(fixturePath("no-such-picture.jpg"));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("no-such-picture.jpg"), std::string::npos);
    EXPECT_FALSE(loadPictureFile(VARNHOLT_TEST_DATA)); // a directory
}

TEST(BuiltinPictures, EveryShippedPictureDecodesAndUnknownNamesGiveNothing)
{
    EXPECT_FALSE(loadBuiltinPicture("no-such-picture.jpg"));
    EXPECT_FALSE(loadBuiltinPicture(""));
    // Each picture in the asset folder is embedded and decodes to what the file holds.
    const QDir assets(QStringLiteral(VARNHOLT_TEST_DATA "/../../assets/pictures"));
    for (const QString &name : assets.entryList({"*.jpg", "*.gif"}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        std::optional<QImage> builtin = loadBuiltinPicture(name.toStdString());
        ASSERT_TRUE(builtin);
        DecodedPicture onDisk = loadPictureFile(assets.filePath(name).toStdString());
        ASSERT_TRUE(onDisk) << onDisk.error;
        EXPECT_EQ(*builtin, *onDisk.image);
    }
}

} // namespace
} // namespace varnholt
