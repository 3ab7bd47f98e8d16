#include "platform/CanvasWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace varnholt {

CanvasWidget::CanvasWidget(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the canvas, so the window system need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resetCanvas(QSize(1, 1), 1.0);
}

Canvas &CanvasWidget::resetCanvas(QSize logicalSize, qreal devicePixelRatio)
{
    canvas_ = Canvas(logicalSize, devicePixelRatio);
    canvas_.changed = [this](const QRect &area) { update(area); };
    update();
    return canvas_;
}

void CanvasWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect inside = area & QRect(QPoint(0, 0), canvas_.size());
    if (!inside.isEmpty()) {
        const qreal k = canvas_.devicePixelRatio();
        const QRectF source(inside.x() * k, inside.y() * k, inside.width() * k, inside.height() * k);
        painter.drawImage(QRectF(inside), canvas_.image(), source);
    }
    // Beyond the canvas the window's own black background shows.
    const QRegion outside = QRegion(area) - QRegion(inside);
    for (const QRect &r : outside)
        painter.fillRect(r, Qt::black);
}

void CanvasWidget::mousePressEvent(QMouseEvent *event)
{
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(p.x(), p.y());
    }
}

void CanvasWidget::keyPressEvent(QKeyEvent *event)
{
    // Alt, Ctrl or Meta with a key is a menu's mnemonic or shortcut, never the machine's B or M.
    const bool commandKey = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (onKeyDown && !commandKey) {
        // The game knows Enter by its character code, 13, whichever Enter key it was.
        const int key = event->key();
        onKeyDown(key == Qt::Key_Return || key == Qt::Key_Enter ? 13 : key);
    } else
        QWidget::keyPressEvent(event);
}

} // namespace varnholt
