#include "ui/DialogFrame.h"

#include "platform/PlainText.h"
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnholt {

void setUpFixedWindow(QWidget &window, QSize client, const QString &caption)
{
    window.setWindowTitle(plainWindowTitle(caption));
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(client);
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred on the screen, but never with the title bar off it: the frame is taken to be the
    // one the game's own window has, and a window not yet shown is moved by its frame's corner.
    const QMargins frame = window.parentWidget() ? windowFrameMargins(*window.parentWidget()) : QMargins();
    window.move(windowFramePlace(client.grownBy(frame), screen->geometry(), screen->availableGeometry()));
}

} // namespace varnholt
