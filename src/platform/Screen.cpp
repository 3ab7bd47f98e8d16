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

QRect outerWindowArea(QSize wanted, const QRect &freeArea)
{
    return QRect(freeArea.topLeft(), wanted.boundedTo(freeArea.size()));
}

} // namespace varnholt
