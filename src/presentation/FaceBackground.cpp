#include "presentation/FaceBackground.h"

#include "presentation/FacePictures.h"

#include <cmath>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace varnholt {

namespace {

// A whole face just dropped is some megabytes of heap; hand them back at once.
void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

FaceBackground::FaceBackground(const QImage &picture, QSize logicalSize, double devicePixelRatio)
    : picture_(picture.convertToFormat(QImage::Format_RGB888)), size_(logicalSize), ratio_(devicePixelRatio)
{
    // Only ever copied out whole-pixel, so three bytes a pixel give the same opaque colours.
    whole_ = scaledAgain().convertToFormat(QImage::Format_RGB888);
}

QImage FaceBackground::scaledAgain() const
{
    // The same scaling of the same pixels as the first time: the same face to the pixel.
    return scaledForDevice(picture_.convertToFormat(QImage::Format_RGB32), size_, ratio_);
}

void FaceBackground::keepBetweenRepaints(const std::vector<QRect> &areas)
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
    if (!wholeDensity || bytes >= whole_.sizeInBytes()) {
        picture_ = QImage(); // the whole face stays: it is the smaller
        return;
    }
    areas_ = std::move(kept);
    areasOnly_ = true;
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
    if (!whole_.isNull()) {
        canvas.copyAt(whole_, QPoint(0, 0));
        if (areasOnly_) {
            whole_ = QImage();
            returnFreedMemory();
        }
        return;
    }
    canvas.copyAt(scaledAgain(), QPoint(0, 0));
    returnFreedMemory();
}

} // namespace varnholt
