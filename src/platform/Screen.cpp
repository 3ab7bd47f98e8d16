#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace varnholt {

ScreenInfo primaryScreenInfo()
{
    ScreenInfo info;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return info;
    const QRect geometry = screen->geometry();
    info.width = geometry.width();
    info.height = geometry.height();
    info.pixelsPerInch = int(std::lround(screen->logicalDotsPerInch()));
    info.devicePixelRatio = screen->devicePixelRatio();
    return info;
}

QRect primaryScreenFreeArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool windowsPlaceThemselves() { return !QGuiApplication::platformName().startsWith("wayland"); }

namespace {
constexpr int kNarrowedSpare = 10; // the inset every window keeps; more spare width is a narrowed face
} // namespace

QRect outerWindowArea(QSize wanted, const QRect &freeArea)
{
    const QSize size = wanted.boundedTo(freeArea.size());
    const int spare = freeArea.width() - size.width();
    const int left = freeArea.left() + (spare > kNarrowedSpare ? spare / 2 : 0);
    return QRect(QPoint(left, freeArea.top()), size);
}

} // namespace varnholt
