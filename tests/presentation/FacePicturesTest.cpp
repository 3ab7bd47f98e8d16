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
        const SizedPictures sized = LoadSymbolPictures(pictures, dir, "Vrn", 1024, ratio);
        const QSize logical = sized.face.deviceIndependentSize().toSize();
        const QImage expected = scaledForDevice(builtIn, logical, ratio);

        Canvas canvas(logical, ratio);
        canvas.copyAt(sized.face, QPoint(0, 0));
        ASSERT_EQ(canvas.image().size(), expected.size()) << ratio;
        EXPECT_TRUE(canvas.image() == expected) << "ratio " << ratio;
    }
}
