// Damaged or oversized replacement pictures: refused, so the built-in picture stays.

#include "PictureTestSupport.h"
#include "platform/PictureBudget.h"

using namespace varnholt;
using namespace varnholt::testing;

namespace {

// The fixture with its frame header claiming `width` x `height`: the data runs out long
// before, and libjpeg would fill the rest with grey.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0);
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

TEST(HostilePictures, JpegWithCorruptDataIsRefusedNotPaddedWithGrey)
{
    const QByteArray jpeg = readFixture("quadrants.jpg");
    ASSERT_TRUE(decodePicture(jpeg));
    const DecodedPicture inflated = decodePicture(withClaimedSize(jpeg, 2048, 1024));
    EXPECT_FALSE(inflated);
    EXPECT_FALSE(inflated.error.empty());
}

TEST(HostilePictures, PicturesOverTheirShareOfTheBudgetAreRefused)
{
    const QByteArray jpeg = readFixture("quadrants.jpg");
    const DecodedPicture whole = decodePicture(jpeg);
    ASSERT_TRUE(whole);
    const long long pixels = whole.image->width() * whole.image->height();
    EXPECT_TRUE(decodePicture(jpeg, pixels));
    EXPECT_FALSE(decodePicture(jpeg, pixels - 1));

    PictureBudget budget(1000);
    budget.record("tester.jpg", 600);
    EXPECT_EQ(budget.allowanceFor("bonus1.jpg"), 400);
    EXPECT_EQ(budget.allowanceFor("TESTER.JPG"), 1000) << "loading it again replaces its share";
    budget.record("bonus1.jpg", 400);
    EXPECT_EQ(budget.allowanceFor("Paychart.jpg"), 0);
}

} // namespace
