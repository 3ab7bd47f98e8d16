#pragma once
// A window's drawing surface: a backing image in device-independent pixels that every drawing
// routine paints into at any moment. The window's paint event only copies changed areas out.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace varnholt {

class Canvas {
public:
    // logicalSize in device-independent pixels; the image holds devicePixelRatio times as many.
    explicit Canvas(QSize logicalSize = {1, 1}, qreal devicePixelRatio = 1.0);

    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return ratio_; }
    const QImage &image() const { return image_; }

    // The colour at a device-independent pixel (its top-left device pixel); black outside.
    QRgb pixel(int x, int y) const;

    // Copies srcRect of src (in src's device-independent pixels) to dstRect, stretched when the
    // sizes differ. Both rectangles are taken as given by QRect (right and bottom inclusive).
    void copy(const QImage &src, const QRect &srcRect, const QRect &dstRect);
    // Copies srcRect of src with its top-left corner at dst, unstretched.
    void copyAt(const QImage &src, const QRect &srcRect, QPoint dst);
    // Copies the whole of src with its top-left corner at dst, unstretched.
    void copyAt(const QImage &src, QPoint dst);

    // Masked copy: mask ANDed onto the surface, then picture ORed on, both at topLeft unscaled.
    // Where the mask is white and the picture black the surface shows through unchanged.
    void copyMasked(const QImage &mask, const QImage &picture, QPoint topLeft);

    // Fills the rectangle; r is left, top, right, bottom with right and bottom exclusive.
    void fill(int left, int top, int right, int bottom, QColor colour);
    // A one-pixel horizontal line from x1 up to, not including, x2.
    void horizontalLine(int x1, int x2, int y, QColor colour);

    // Text with a clear background, the top of its line at y.
    void setFont(const QFont &font) { font_ = font; }
    const QFont &font() const { return font_; }
    int textWidth(const QString &text) const;
    void textOut(int x, int y, const QString &text, QColor colour);

    // A copy of an area, at the surface's device pixel ratio, for drawing back later.
    QImage grab(const QRect &area) const;

    // Told of every changed area, in device-independent pixels.
    std::function<void(const QRect &)> changed;

    // The areas a full repaint draws again by itself. From this call on, drawing anywhere else
    // is noted: until then a full repaint cannot trust the rest of the surface to be as it left it.
    void watchOutside(std::vector<QRect> redrawn);
    // Whether anything was drawn outside those areas (always so on a fresh surface).
    bool drawnOutside() const { return drawnOutside_; }

private:
    void touched(const QRect &area);
    bool copyDrawnBefore(const QImage &src, const QRect &srcRect, const QRect &dstRect);
    void keepDrawn(const QImage &src, const QRect &srcRect, const QRect &dstRect);

    // Stretched pictures as the painter drew them, to be copied back when drawn there again:
    // the lamps redraw the same few pictures many times a second.
    struct Drawn {
        qint64 source;
        QRect sourceRect;
        QRect target; // device pixels
        QImage pixels;
    };
    std::vector<Drawn> drawn_; // the most recently used first

    std::vector<QRect> redrawn_;
    bool drawnOutside_ = true;

    QSize size_;
    qreal ratio_;
    QImage image_;
    QFont font_;
};

} // namespace varnholt
