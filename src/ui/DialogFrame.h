#pragma once
// What every side window of the machine shares: a fixed client size, a caption, only the close
// box among its frame buttons, and a place centred on the screen with its title bar on it.

#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

namespace varnholt {

// Fixes the window's client area to `client`, sets its caption (shown as plain text) and frame,
// and centres it on the screen it will show on, within the part panels leave free; a window
// taller or wider than that keeps its title bar on screen. Escape and the close box close a
// QDialog as usual.
void setUpFixedWindow(QWidget &window, QSize client, const QString &caption);

// The width a button needs to show its caption and glyph whole (the style's own size hint
// also rounds every text button up to a wide minimum, which the machine's small buttons are not).
int buttonCaptionWidth(const QPushButton &button);

// For a fixed window built on setUpFixedWindow, once all its children are in place: when its
// client area is taller than the free part of the screen leaves (the 623 px advert on an
// 800 x 600 screen), the children keep their size and places on a page that scrolls, so every
// text stays reachable.
void scrollWhenTooTall(QWidget &window);

} // namespace varnholt
