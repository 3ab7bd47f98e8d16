#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace varnholt {

namespace {

// Source rectangles are given in the source's device-independent pixels.
QRectF deviceRect(const QImage &src, const QRect &r)
{
    const qreal k = src.devicePixelRatio();
    return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}

// Copies are done in device pixels: with no scaling left between source and target, equal
// sizes become plain block copies instead of passes through the transforming path.
QPainter &prepared(QPainter &painter, qreal ratio)
{
    painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::Antialiasing, false);
    return painter;
}

QRectF scaled(const QRect &r, qreal k) { return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k); }

// The rectangle in device pixels when every edge falls on one; nothing otherwise.
std::optional<QRect> exactDeviceRect(const QRect &r, qreal k)
{
    const QRectF device = scaled(r, k);
    const QRect whole = device.toRect();
    if (QRectF(whole) != device)
        return std::nullopt;
    return whole;
}

// Copies rows onto a 32-bit surface when nothing is stretched and the source is the surface's
// own format or packed 24-bit RGB (the sized face): the reels' frames and the face's redraws are
// such copies, and a painter would hand large ones to worker threads for no gain.
bool copyRows(QImage &target, const QImage &src, const QRect &srcRect, const QRect &dstRect)
{
    const bool same = src.format() == target.format() && src.depth() == 32;
    const bool packed = src.format() == QImage::Format_RGB888 && target.format() == QImage::Format_RGB32;
    if (!same && !packed)
        return false;
    const std::optional<QRect> from = exactDeviceRect(srcRect, src.devicePixelRatio());
    const std::optional<QRect> to = exactDeviceRect(dstRect, target.devicePixelRatio());
    if (!from || !to || from->size() != to->size())
        return false;
    const QPoint shift = to->topLeft() - from->topLeft();
    const QRect rows = to->intersected(target.rect()).intersected(src.rect().translated(shift));
    uchar *const targetBits = target.bits(); // detaches once, not on every row
    const uchar *const srcBits = src.constBits();
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(targetBits + y * target.bytesPerLine()) + rows.left();
        const uchar *in = srcBits + (y - shift.y()) * src.bytesPerLine();
        if (same) {
            std::memcpy(out, in + std::size_t(rows.left() - shift.x()) * 4, std::size_t(rows.width()) * 4);
            continue;
        }
        in += std::size_t(rows.left() - shift.x()) * 3;
        for (int x = 0; x < rows.width(); ++x, in += 3)
            out[x] = qRgb(in[0], in[1], in[2]);
    }
    return true;
}

// A surface of some megabytes in large pages where the system offers them on request. A reel
// frame touches one row in each of some thousand rows of the surface: in small pages that is
// one page per row, more than the processor keeps translations for at high density, and every
// frame then walks the page tables row by row.
QImage surfaceImage(QSize size)
{
    constexpr std::size_t kLargePage = 2u << 20;
    const auto bytesPerLine = std::size_t(size.width()) * 4;
    const std::size_t bytes = bytesPerLine * std::size_t(size.height());
    if (size.isEmpty() || bytes < kLargePage)
        return QImage(size, QImage::Format_RGB32);
    const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void *pixels = std::aligned_alloc(kLargePage, rounded);
    if (!pixels)
        return QImage(size, QImage::Format_RGB32);
#if defined(MADV_HUGEPAGE)
    madvise(pixels, rounded, MADV_HUGEPAGE);
#endif
    return QImage(
        static_cast<uchar *>(pixels), size.width(), size.height(), qsizetype(bytesPerLine),
        QImage::Format_RGB32, [](void *p) { std::free(p); }, pixels);
}

} // namespace

Canvas::Canvas(QSize logicalSize, qreal devicePixelRatio)
    : size_(logicalSize), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      image_(surfaceImage(
          QSize(int(std::ceil(logicalSize.width() * ratio_)), int(std::ceil(logicalSize.height() * ratio_)))))
{
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::black);
}

QRgb Canvas::pixel(int x, int y) const
{
    const int dx = int(x * ratio_);
    const int dy = int(y * ratio_);
    if (x < 0 || y < 0 || dx >= image_.width() || dy >= image_.height())
        return qRgb(0, 0, 0);
    return image_.pixel(dx, dy) | 0xff000000u;
}

void Canvas::copy(const QImage &src, const QRect &srcRect, const QRect &dstRect)
{
    if (src.isNull() || srcRect.isEmpty() || dstRect.isEmpty())
        return;
    if (!copyRows(image_, src, srcRect, dstRect) && !copyDrawnBefore(src, srcRect, dstRect)) {
        {
            QPainter painter(&image_);
            prepared(painter, ratio_).drawImage(scaled(dstRect, ratio_), src, deviceRect(src, srcRect));
        }
        keepDrawn(src, srcRect, dstRect);
    }
    touched(dstRect);
}

namespace {
// What is kept of stretched drawings: the machine and nudge buttons in both states and the lit
// crystal ball, which blinks at rest, up to a 1920-wide screen.
// Once full, nothing more is kept: swapping entries in and out would cost more than it saves.
// Kept in the surface's own format, so a copy back is a plain copy of rows.
constexpr qsizetype kDrawnPixelsEach = 200'000;
constexpr qsizetype kDrawnBytes = 2048 * 1024;
} // namespace

bool Canvas::copyDrawnBefore(const QImage &src, const QRect &srcRect, const QRect &dstRect)
{
    const std::optional<QRect> target = exactDeviceRect(dstRect, ratio_);
    if (!target)
        return false;
    for (auto it = drawn_.begin(); it != drawn_.end(); ++it) {
        if (it->source != src.cacheKey() || it->sourceRect != srcRect || it->target != *target)
            continue;
        std::rotate(drawn_.begin(), it, it + 1);
        return copyRows(image_, drawn_.front().pixels, QRect(QPoint(0, 0), dstRect.size()), dstRect);
    }
    return false;
}

void Canvas::keepDrawn(const QImage &src, const QRect &srcRect, const QRect &dstRect)
{
    // Only an opaque picture covering whole device pixels draws the same wherever it lands.
    const std::optional<QRect> target = exactDeviceRect(dstRect, ratio_);
    if (src.hasAlphaChannel() || !target || !image_.rect().contains(*target) ||
        qsizetype(target->width()) * target->height() > kDrawnPixelsEach)
        return;
    qsizetype bytes = qsizetype(target->width()) * target->height() * 4;
    for (const Drawn &kept : drawn_)
        bytes += kept.pixels.sizeInBytes();
    if (bytes > kDrawnBytes)
        return;
    QImage pixels = image_.copy(*target);
    pixels.setDevicePixelRatio(ratio_);
    drawn_.insert(drawn_.begin(), Drawn{src.cacheKey(), srcRect, *target, std::move(pixels)});
}

void Canvas::copyAt(const QImage &src, const QRect &srcRect, QPoint dst)
{
    copy(src, srcRect, QRect(dst, srcRect.size()));
}

void Canvas::copyAt(const QImage &src, QPoint dst)
{
    const QRect whole(QPoint(0, 0), src.deviceIndependentSize().toSize());
    copyAt(src, whole, dst);
}

void Canvas::copyMasked(const QImage &mask, const QImage &picture, QPoint topLeft)
{
    if (mask.isNull() || picture.isNull())
        return;
    const QRect target(topLeft, picture.deviceIndependentSize().toSize());
    {
        QPainter painter(&image_);
        prepared(painter, ratio_);
        // Raster operations need opaque 32-bit sources on both sides.
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(scaled(target, ratio_), mask.convertToFormat(QImage::Format_RGB32));
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(scaled(target, ratio_), picture.convertToFormat(QImage::Format_RGB32));
    }
    touched(target);
}

void Canvas::fill(int left, int top, int right, int bottom, QColor colour)
{
    if (right <= left || bottom <= top)
        return;
    const QRect area(left, top, right - left, bottom - top);
    // Whole device pixels in an opaque colour are words stored row by row; a painter costs more
    // to set up than the guides and meter boxes take to fill.
    const std::optional<QRect> exact = exactDeviceRect(area, ratio_);
    if (exact && colour.alpha() == 255) {
        const QRect rows = *exact & image_.rect();
        const QRgb word = colour.rgb();
        uchar *const bits = rows.isEmpty() ? nullptr : image_.bits();
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(bits + y * image_.bytesPerLine()) + rows.left();
            std::fill_n(line, rows.width(), word);
        }
    } else {
        QPainter painter(&image_);
        prepared(painter, ratio_).fillRect(scaled(area, ratio_), colour);
    }
    touched(area);
}

void Canvas::horizontalLine(int x1, int x2, int y, QColor colour) { fill(x1, y, x2, y + 1, colour); }

int Canvas::textWidth(const QString &text) const
{
    return QFontMetrics(font_, &image_).horizontalAdvance(text);
}

void Canvas::textOut(int x, int y, const QString &text, QColor colour)
{
    const QFontMetrics metrics(font_, &image_);
    const QRect area(x, y, metrics.horizontalAdvance(text), metrics.height());
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font_);
        painter.setPen(colour);
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    }
    touched(area.adjusted(-2, 0, 2, 0));
}

QImage Canvas::grab(const QRect &area) const
{
    QImage copy = image_.copy(deviceRect(image_, area).toRect());
    copy.setDevicePixelRatio(ratio_);
    return copy;
}

void Canvas::watchOutside(std::vector<QRect> redrawn)
{
    redrawn_ = std::move(redrawn);
    drawnOutside_ = false;
}

void Canvas::touched(const QRect &area)
{
    if (!drawnOutside_) {
        const QRect inside = area & QRect(QPoint(0, 0), size_);
        // Nearly every drawing lies within one area; the rest are checked against them all.
        const auto covers = [&](const QRect &r) { return r.contains(inside); };
        if (!inside.isEmpty() && std::none_of(redrawn_.begin(), redrawn_.end(), covers)) {
            QRegion rest(inside);
            for (const QRect &r : redrawn_)
                rest -= r;
            drawnOutside_ = !rest.isEmpty();
        }
    }
    if (changed)
        changed(area);
}

} // namespace varnholt
