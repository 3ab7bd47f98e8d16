#pragma once
// Shared helpers of the picture tests: reading fixtures and comparing colours loosely, since
// JPEG is lossy.

#include <QByteArray>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "platform/PictureLoader.h"

#include <cstdlib>
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
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
        && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
        && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance
        && qAlpha(actual) == qAlpha(expected);
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

} // namespace varnholt::testing
