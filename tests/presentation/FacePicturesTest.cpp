#include "presentation/FacePictures.h"

#include "platform/Canvas.h"
#include "platform/RequiredPicture.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace varnholt;

// However the sized face is held, copied onto the canvas it must be the built-in face scaled
// in full colour, on ordinary and on dense screens.
TEST(FacePictures, SizedFaceDrawsAsTheFaceScaledInFullColour)
{
    test::testApp();
    const QTemporaryDir noReplacements;
    ASSERT_TRUE(noReplacements.isValid());
    const std::string dir = noReplacements.path().toStdString();
    const QImage builtIn = requiredBuiltinPicture("face.jpg").convertToFormat(QImage::Format_RGB32);
    for (const double ratio : {1.0, 2.0}) {
        FacePictures pictures = loadFacePictures(dir, "Vrn");
        SizedPictures sized = LoadSymbolPictures(pictures, dir, "Vrn", 1024, ratio);
        const QSize logical = sized.face.size();
        const QImage expected = scaledForDevice(builtIn, logical, ratio);

        Canvas canvas(logical, ratio);
        sized.face.copyAll(canvas);
        ASSERT_EQ(canvas.image().size(), expected.size()) << ratio;
        EXPECT_TRUE(canvas.image() == expected) << "ratio " << ratio;
    }
}

// Between repaints a large face keeps only the areas it restores; whatever is copied out must
// still be the face as the first scaling made it, at whole and at fractional densities.
TEST(FaceBackground, KeptAreasAndRepaintsGiveTheFaceAsScaledAtFirst)
{
    test::testApp();
    QImage picture(80, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            picture.setPixel(x, y, qRgb(x * 3, y * 4, (x ^ y) * 2));
    const QSize size(200, 150);
    const QRect kept(30, 40, 50, 20), partOfKept(35, 45, 10, 5), notKept(120, 90, 40, 30);
    const QRect redrawn(100, 10, 30, 30);
    for (const double ratio : {1.0, 2.0, 1.5}) {
        Canvas reference(size, ratio);
        reference.copyAt(scaledForDevice(picture, size, ratio), QPoint(0, 0));

        FaceBackground face(picture, size, ratio);
        face.keepBetweenRepaints({kept}, {redrawn});
        Canvas canvas(size, ratio);
        face.copyAll(canvas);
        EXPECT_EQ(canvas.image(), reference.image()) << ratio;
        EXPECT_EQ(face.keepsWholeFace(), ratio == 1.5) << "only a whole density can keep areas";

        for (const QRect &area : {kept, partOfKept, notKept}) {
            canvas.fill(0, 0, 200, 150, Qt::magenta);
            face.copyArea(canvas, area);
            EXPECT_EQ(canvas.grab(area), reference.grab(area)) << ratio;
        }
        canvas.fill(0, 0, 200, 150, Qt::magenta);
        face.copyAll(canvas);
        EXPECT_EQ(canvas.image(), reference.image()) << "a later repaint, at " << ratio;

        // Drawn on only where the face is kept or the repaint draws anew: the kept area comes
        // back, the rest is left to the repaint, and the surface beyond is trusted as it is.
        canvas.fill(kept.left(), kept.top(), kept.right() + 1, kept.bottom() + 1, Qt::magenta);
        canvas.fill(redrawn.left(), redrawn.top(), redrawn.right() + 1, redrawn.bottom() + 1, Qt::magenta);
        face.copyAll(canvas);
        EXPECT_EQ(canvas.grab(kept), reference.grab(kept)) << ratio;
        EXPECT_EQ(canvas.pixel(redrawn.x(), redrawn.y()),
                  face.keepsWholeFace() ? reference.pixel(100, 10) : qRgb(255, 0, 255))
            << ratio;
        canvas.fill(redrawn.left(), redrawn.top(), redrawn.right() + 1, redrawn.bottom() + 1, Qt::magenta);
        canvas.fill(0, 0, 1, 1, Qt::magenta); // outside: the next repaint copies the whole face
        face.copyAll(canvas);
        EXPECT_EQ(canvas.image(), reference.image()) << "after drawing elsewhere, at " << ratio;
    }

    // A face no larger than its picture keeps itself whole: nothing would be saved.
    FaceBackground same(picture, QSize(80, 60), 1.0);
    same.keepBetweenRepaints({QRect(0, 0, 10, 10)}, {});
    Canvas canvas(QSize(80, 60));
    same.copyAll(canvas);
    EXPECT_TRUE(same.keepsWholeFace());
}
