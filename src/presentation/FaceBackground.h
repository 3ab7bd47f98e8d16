#pragma once
// The face under everything drawn on it, at the screen's size. The whole of it is needed only
// by a full repaint; between repaints just the areas the game restores (lamps going out,
// captions redrawn) are kept, and a repaint scales the whole face again from the picture. On a
// large screen that holds some 15 MiB less for a scaling at each repaint.

#include "platform/Canvas.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace varnholt {

class FaceBackground {
public:
    FaceBackground() = default;
    // The picture stretched to logicalSize at the screen's pixel density.
    FaceBackground(const QImage &picture, QSize logicalSize, double devicePixelRatio);

    QSize size() const { return size_; }
    // After the next full repaint only these areas are kept, when that holds less. Areas copied
    // later are taken from them, pixel for pixel what the full face gives.
    void keepBetweenRepaints(const std::vector<QRect> &areas);
    bool keepsWholeFace() const { return !whole_.isNull(); }

    void copyArea(Canvas &canvas, const QRect &area) const;
    void copyAll(Canvas &canvas);

private:
    QImage scaledAgain() const;

    struct Kept {
        QRect area;
        QImage pixels;
    };
    QImage picture_; // the picture at its own size, while the face may be scaled again
    QImage whole_;   // the whole face, three bytes a pixel; dropped after a repaint when areas_ are kept
    std::vector<Kept> areas_;
    QSize size_;
    double ratio_ = 1.0;
    bool areasOnly_ = false;
};

} // namespace varnholt
