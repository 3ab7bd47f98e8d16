#pragma once
// What every side window of the machine shares: a fixed client size, a caption, only the close
// box among its frame buttons, and a place centred on the screen with its title bar on it.

#include <QSize>
#include <QString>

class QWidget;

namespace varnholt {

// Fixes the window's client area to `client`, sets its caption (shown as plain text) and frame,
// and centres it on the screen it will show on, within the part panels leave free; a window
// taller or wider than that keeps its title bar on screen. Escape and the close box close a
// QDialog as usual.
void setUpFixedWindow(QWidget &window, QSize client, const QString &caption);

} // namespace varnholt
