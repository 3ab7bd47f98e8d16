#include "platform/CanvasWidget.h"

#include "TestApp.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

using namespace varnholt;

// What the window system is handed must be the canvas, pixel for pixel, wherever the canvas
// sits in its window and however small or large the changed area.
TEST(CanvasWidget, TheWindowShowsTheCanvasExactly)
{
    test::testApp();
    QWidget window;
    window.resize(300, 240);
    auto *widget = new CanvasWidget(&window);
    widget->setGeometry(17, 23, 260, 200);
    Canvas &canvas = widget->resetCanvas(QSize(260, 200), 1.0);
    window.show();
    QCoreApplication::processEvents();

    QImage picture(130, 150, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 2, y, (x * y) & 255));
    canvas.copyAt(picture, QPoint(100, 40)); // a large area
    canvas.fill(3, 5, 9, 8, Qt::yellow);     // a small one, apart from it
    window.repaint();
    QCoreApplication::processEvents();

    auto *shown = dynamic_cast<QImage *>(window.backingStore()->paintDevice());
    ASSERT_TRUE(shown);
    int wrong = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 260; ++x)
            wrong += (shown->pixel(17 + x, 23 + y) | 0xff000000u) != canvas.pixel(x, y);
    EXPECT_EQ(wrong, 0);
}
