#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace varnholt {

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (onClick && event->button() == Qt::LeftButton)
        onClick();
    else
        QLabel::mousePressEvent(event);
}

} // namespace varnholt
