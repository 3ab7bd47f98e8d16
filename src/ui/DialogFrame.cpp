#include "ui/DialogFrame.h"

#include "platform/PlainText.h"
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <QWidget>
#include <algorithm>

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

int buttonCaptionWidth(const QPushButton &button)
{
    QString caption = button.text();
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int glyph = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    const int margins = 2 * (button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) / 2 + 3);
    return button.fontMetrics().horizontalAdvance(caption) + glyph + margins;
}

void scrollWhenTooTall(QWidget &window)
{
    const QRect freeArea = primaryScreenFreeArea();
    const QMargins frame = window.parentWidget() ? windowFrameMargins(*window.parentWidget()) : QMargins();
    const QSize client = window.size();
    const int room = freeArea.height() - frame.top() - frame.bottom();
    if (freeArea.isEmpty() || client.height() <= room)
        return;
    auto *page = new QWidget;
    page->setFixedSize(client);
    page->setPalette(window.palette());
    page->setAutoFillBackground(window.autoFillBackground());
    for (QObject *child : window.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        const bool shown = !widget->isHidden();
        widget->setParent(page); // keeps its geometry; a new parent hides it
        widget->setVisible(shown);
    }
    auto *scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize fitted(client.width() + bar, std::max(room, 100));
    scroll->setGeometry(QRect(QPoint(0, 0), fitted));
    window.setFixedSize(fitted);
    window.move(windowFramePlace(fitted.grownBy(frame), freeArea, freeArea));
}

} // namespace varnholt
