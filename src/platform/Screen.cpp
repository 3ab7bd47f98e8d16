#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

bool windowsPlaceThemselves() { return !QGuiApplication::platformName().startsWith("wayland"); }

QRect primaryScreenFreeArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    QRect free = screen->availableGeometry();
    // A Wayland client is told neither where the desktop's panels lie nor where it is put: when
    // the platform reports the whole screen free, leave a panel's room (the usual ones are 24 to
    // 48 px tall) so the compositor can place the window whole below or above it.
    if (!windowsPlaceThemselves() && free == screen->geometry())
        free.setHeight(std::max(0, free.height() - kUnreportedPanelRoom));
    return free;
}

QSize faceAreaOnScreen(const ScreenInfo &screen)
{
    if (windowsPlaceThemselves())
        return {screen.width, screen.height};
    const QRect free = primaryScreenFreeArea();
    return {std::min(screen.width, free.width()),
            std::max(0, std::min(screen.height, free.height()) - kClientTitleBarRoom)};
}

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

QPoint windowFramePlace(QSize outer, const QRect &over, const QRect &freeArea)
{
    const QPoint centred = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
    // Right and bottom first, then left and top, which win when the window is too large.
    const int left = std::max(freeArea.left(), std::min(centred.x(), freeArea.right() + 1 - outer.width()));
    const int top = std::max(freeArea.top(), std::min(centred.y(), freeArea.bottom() + 1 - outer.height()));
    return {left, top};
}

QMargins windowFrameMargins(const QWidget &window)
{
    const QWidget *top = window.window();
    if (!top->isVisible())
        return {};
    const QRect outer = top->frameGeometry(), inner = top->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace varnholt
