#include "platform/CanvasWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

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

namespace {

// Copies the canvas's rows straight into the window's own image when nothing is stretched:
// the painter hands copies of a hundred rows or more to worker threads, and the lamps' small
// redraws, many a second, then cost more in handing over than in copying.
bool copyRowsOut(QPainter &painter, const QImage &canvas, const QRect &inside)
{
    auto *window = dynamic_cast<QImage *>(painter.paintEngine()->paintDevice());
    const QTransform toWindow = painter.deviceTransform();
    if (!window || toWindow.type() > QTransform::TxScale || window->depth() != 32 || canvas.depth() != 32 ||
        (window->format() != QImage::Format_RGB32 && window->format() != QImage::Format_ARGB32 &&
         window->format() != QImage::Format_ARGB32_Premultiplied))
        return false;
    const qreal k = canvas.devicePixelRatio();
    const QRectF source(inside.x() * k, inside.y() * k, inside.width() * k, inside.height() * k);
    const QRectF target = toWindow.mapRect(QRectF(inside));
    if (source.size() != target.size() || source.toRect() != source || target.toRect() != target)
        return false;
    const QRect from = source.toRect();
    const QRect to = target.toRect();
    if (!canvas.rect().contains(from) || !window->rect().contains(to))
        return false;
    // Opaque canvas pixels are the same words in every one of those formats.
    for (int row = 0; row < from.height(); ++row)
        std::memcpy(window->scanLine(to.y() + row) + std::size_t(to.x()) * 4,
                    canvas.constScanLine(from.y() + row) + std::size_t(from.x()) * 4,
                    std::size_t(from.width()) * 4);
    return true;
}

} // namespace

void CanvasWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect inside = area & QRect(QPoint(0, 0), canvas_.size());
    for (const QRect &part : event->region() & inside) {
        if (copyRowsOut(painter, canvas_.image(), part))
            continue;
        const qreal k = canvas_.devicePixelRatio();
        const QRectF source(part.x() * k, part.y() * k, part.width() * k, part.height() * k);
        painter.drawImage(QRectF(part), canvas_.image(), source);
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
