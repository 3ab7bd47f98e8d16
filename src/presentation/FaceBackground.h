#pragma once
// The face under everything drawn on it, at the screen's size. The whole of it is needed only
// by the first full repaint: nothing but the face's own parts is ever drawn on it, so a later
// repaint finds the face still on the surface everywhere but in the areas the game draws over.
// Just those are kept, in the surface's format, and a repaint copies them back and draws the
// rest anew; only a surface drawn on elsewhere (or a fresh one) has the face scaled again. On a
// large screen that holds some 15 MiB less than the whole face.

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
    // After the next full repaint only the `kept` areas are kept, when that holds less. Areas
    // copied later are taken from them, pixel for pixel what the full face gives. A repaint
    // draws the `redrawn` areas whole itself, so they need no face.
    void keepBetweenRepaints(const std::vector<QRect> &kept, const std::vector<QRect> &redrawn);
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
    QImage whole_;   // the whole face; dropped after a repaint when areas_ are kept
    std::vector<Kept> areas_;
    std::vector<QRect> watched_; // kept and redrawn areas: drawing elsewhere spoils the surface's face
    QSize size_;
    double ratio_ = 1.0;
    bool areasOnly_ = false;
};

} // namespace varnholt
