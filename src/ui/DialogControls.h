#pragma once
// Controls the side windows place at fixed pixel positions: plain-text labels and the
// OK-kind button with its tick that closes its window.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace varnholt {

// A label showing text as it is (never as markup) in the given place, font and colour.
QLabel *makeLabel(QWidget &parent, const QString &text, const QRect &place, const QFont &font,
                  QColor colour = Qt::black, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// The default button of the window, with a tick, closing the window with the OK result.
QPushButton *makeOkButton(QDialog &window, const QString &caption, const QRect &place);

} // namespace varnholt
