#include "ui/DialogFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnholt {

void setUpFixedWindow(QWidget &window, QSize client, const QString &caption)
{
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(client);
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        window.move(area.x() + (area.width() - client.width()) / 2,
                    area.y() + (area.height() - client.height()) / 2);
    }
}

} // namespace varnholt
