#pragma once
// The widget that shows a Canvas. Nothing is drawn in its paint event: it copies the areas the
// canvas reported changed (or the window system asks for) out of the backing image.

#include "platform/Canvas.h"

#include <QWidget>

#include <functional>

namespace varnholt {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget *parent = nullptr);

    // Makes a fresh canvas of the given logical size at this widget's device pixel ratio.
    Canvas &resetCanvas(QSize logicalSize, qreal devicePixelRatio);
    Canvas &canvas() { return canvas_; }

    // Input handlers: mouse presses in widget pixels, key presses by key code.
    std::function<void(int x, int y)> onMouseDown;
    std::function<void(int key)> onKeyDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Canvas canvas_;
};

} // namespace varnholt
