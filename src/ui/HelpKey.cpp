#include "ui/HelpKey.h"

#include "ui/HelpContext.h"

#include <QKeyEvent>
#include <QWidget>

namespace varnholt {

bool HelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return false;
    // Key presses reach the focus widget first; answering there keeps the enclosing widgets from
    // answering again as the press travels up.
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget)
        return false;
    showTopic_(helpContextOf(widget));
    return true;
}

} // namespace varnholt
