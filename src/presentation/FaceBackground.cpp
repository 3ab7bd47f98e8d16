#include "presentation/FaceBackground.h"

#include "platform/FreedMemory.h"
#include "presentation/FacePictures.h"

#include <cmath>

namespace varnholt {

FaceBackground::FaceBackground(const QImage &picture, QSize logicalSize, double devicePixelRatio)
    : picture_(picture.convertToFormat(QImage::Format_RGB888)), size_(logicalSize), ratio_(devicePixelRatio)
{
    // In the surface's format until the first repaint has copied it (rows copied as they are).
    whole_ = scaledAgain();
}

QImage FaceBackground::scaledAgain() const
{
    // The same scaling of the same pixels as the first time: the same face to the pixel.
    return scaledForDevice(picture_.convertToFormat(QImage::Format_RGB32), size_, ratio_);
}

void FaceBackground::keepBetweenRepaints(const std::vector<QRect> &areas, const std::vector<QRect> &redrawn)
{
    if (areasOnly_ || whole_.isNull())
        return;
    // Kept areas copy out pixel for pixel only where every edge falls on a device pixel.
    const bool wholeDensity = ratio_ == std::floor(ratio_);
    const auto k = static_cast<int>(ratio_);
    qsizetype bytes = picture_.sizeInBytes();
    std::vector<Kept> kept;
    for (const QRect &area : areas) {
        const QRect inside = area & QRect(QPoint(0, 0), size_);
        if (inside.isEmpty())
            continue;
        QImage pixels = whole_.copy(inside.x() * k, inside.y() * k, inside.width() * k, inside.height() * k);
        pixels.setDevicePixelRatio(ratio_);
        bytes += pixels.sizeInBytes();
        kept.push_back({inside, std::move(pixels)});
    }
    if (!wholeDensity || bytes >= whole_.sizeInBytes() / 4 * 3) {
        // The whole face stays: it is the smaller. It is only ever copied out whole-pixel, so
        // three bytes a pixel give the same opaque colours.
        picture_ = QImage();
        whole_ = whole_.convertToFormat(QImage::Format_RGB888);
        return;
    }
    areas_ = std::move(kept);
    areasOnly_ = true;
    watched_ = redrawn;
    for (const Kept &area : areas_)
        watched_.push_back(area.area);
}

void FaceBackground::copyArea(Canvas &canvas, const QRect &area) const
{
    if (!whole_.isNull()) {
        canvas.copyAt(whole_, area, area.topLeft());
        return;
    }
    for (const Kept &kept : areas_)
        if (kept.area.contains(area)) {
            canvas.copyAt(kept.pixels, area.translated(-kept.area.topLeft()), area.topLeft());
            return;
        }
    // An area not kept: right, only slower.
    canvas.copyAt(scaledAgain(), area, area.topLeft());
    returnFreedMemory();
}

void FaceBackground::copyAll(Canvas &canvas)
{
    if (!areasOnly_) {
        canvas.copyAt(whole_, QPoint(0, 0));
        return;
    }
    // The face is still on the surface wherever nothing but the face's own parts was drawn.
    if (whole_.isNull() && !canvas.drawnOutside()) {
        for (const Kept &kept : areas_)
            canvas.copyAt(kept.pixels, kept.area.topLeft());
        return;
    }
    if (!whole_.isNull()) {
        canvas.copyAt(whole_, QPoint(0, 0));
        whole_ = QImage();
    } else
        canvas.copyAt(scaledAgain(), QPoint(0, 0));
    returnFreedMemory();
    canvas.watchOutside(watched_);
}

} // namespace varnholt
