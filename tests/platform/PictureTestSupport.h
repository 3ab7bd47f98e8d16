#pragma once
// Shared helpers of the picture tests: reading fixtures and comparing colours loosely, since
// JPEG is lossy.

#include <QByteArray>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "platform/PictureLoader.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace varnholt::testing {

inline std::string fixturePath(const std::string &name)
{
    return std::string(VARNHOLT_TEST_DATA) + "/pictures/" + name;
}

inline QByteArray readFixture(const std::string &name)
{
    QFile file(QString::fromStdString(fixturePath(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool closeTo(QRgb actual, QRgb expected, int tolerance = 12)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance && qAlpha(actual) == qAlpha(expected);
}

// Whatever prefix of a picture file is given, the result is either a failure or the very
// picture the whole file holds: never a half-grey or garbled one.
inline void expectEveryTruncationFailsOrIsWhole(const QByteArray &whole)
{
    const DecodedPicture full = decodePicture(whole);
    ASSERT_TRUE(full) << full.error;
    int failures = 0;
    for (qsizetype length = 0; length < whole.size(); ++length) {
        DecodedPicture part = decodePicture(whole.left(length));
        if (part) {
            EXPECT_EQ(*part.image, *full.image) << "cut at " << length;
        } else {
            EXPECT_FALSE(part.error.empty());
            ++failures;
        }
    }
    EXPECT_GE(failures, whole.size() - 4); // only the trailing end marker may go missing
}

// A picture built into the program; a missing one fails the test and gives a null image.
inline QImage builtinPicture(const std::string &name)
{
    const std::optional<QImage> image = loadBuiltinPicture(name);
    if (!image)
        ADD_FAILURE() << name << " is not built in or does not decode";
    return image ? *image : QImage();
}

inline double luma(double red, double green, double blue)
{
    return 0.299 * red + 0.587 * green + 0.114 * blue;
}
inline double luma(QRgb c) { return luma(qRed(c), qGreen(c), qBlue(c)); }

// Sum of the per-channel differences.
inline int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

struct MeanColour {
    double red = 0, green = 0, blue = 0;
    double luma() const { return testing::luma(red, green, blue); }
    double distance(const MeanColour &o) const
    {
        return std::sqrt((red - o.red) * (red - o.red) + (green - o.green) * (green - o.green) +
                         (blue - o.blue) * (blue - o.blue));
    }
};

inline MeanColour meanColour(const QImage &image, const QRect &area)
{
    MeanColour sum;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum.red += qRed(p);
            sum.green += qGreen(p);
            sum.blue += qBlue(p);
        }
    const double n = double(area.width()) * area.height();
    return {sum.red / n, sum.green / n, sum.blue / n};
}

} // namespace varnholt::testing
