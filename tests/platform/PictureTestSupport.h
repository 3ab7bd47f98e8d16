#pragma once
// Shared helpers of the picture tests: reading fixtures and comparing colours loosely, since
// JPEG is lossy.

#include <QByteArray>
#include <QFile>
#include <QImage>

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

} // namespace varnholt::testing
