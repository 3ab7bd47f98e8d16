#include "presentation/PlaceholderPictures.h"

#include <QPainter>

#include <array>

namespace varnholt {

namespace {

// Segments a..g of each digit, bit 0 = a (top) ... bit 6 = g (middle).
constexpr std::array<int, 10> kSegments{0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

void drawDigits(QImage &strip, QColor ink)
{
    const int cell = strip.width() * 4 / 47; // 16 of 188, 32 of 376
    const int h = strip.height();
    const int t = std::max(2, cell / 8);      // segment thickness
    const int l = cell / 5, r = cell - cell / 5, top = h / 10, mid = h / 2, bottom = h - h / 10;
    QPainter painter(&strip);
    for (int d = 0; d < 10; ++d) {
        const int x = d * cell;
        const int on = kSegments[d];
        auto seg = [&](int bit, QRect rect) {
            if (on & (1 << bit))
                painter.fillRect(rect.translated(x, 0), ink);
        };
        seg(0, QRect(l, top, r - l, t));
        seg(1, QRect(r - t, top, t, mid - top));
        seg(2, QRect(r - t, mid, t, bottom - mid));
        seg(3, QRect(l, bottom - t, r - l, t));
        seg(4, QRect(l, mid, t, bottom - mid));
        seg(5, QRect(l, top, t, mid - top));
        seg(6, QRect(l, mid - t / 2, r - l, t));
    }
}

} // namespace

QImage placeholderPicture(QSize size, PlaceholderKind kind)
{
    QImage image(size, QImage::Format_RGB32);
    switch (kind) {
    case PlaceholderKind::Face:
        image.fill(QColor(58, 40, 30));
        break;
    case PlaceholderKind::Strip:
        image.fill(QColor(200, 200, 190));
        break;
    case PlaceholderKind::SymbolSheet: {
        image.fill(Qt::white);
        QPainter painter(&image);
        const int cw = size.width() / 4, ch = size.height() / 3;
        for (int code = 0; code < 12; ++code)
            painter.fillRect(QRect((code % 4) * cw + cw / 4, (code / 4) * ch + ch / 4, cw / 2, ch / 2),
                             QColor::fromHsv(code * 30, 200, 220));
        break;
    }
    case PlaceholderKind::TwoStateButton: {
        image.fill(QColor(120, 90, 30));
        QPainter painter(&image);
        painter.fillRect(QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2),
                         QColor(250, 210, 80));
        break;
    }
    case PlaceholderKind::Dimmed:
        image.fill(QColor(30, 24, 20));
        break;
    case PlaceholderKind::CrystalBall:
        image.fill(QColor(110, 150, 255));
        break;
    case PlaceholderKind::Black:
        image.fill(Qt::black);
        break;
    case PlaceholderKind::White:
        image.fill(Qt::white);
        break;
    case PlaceholderKind::RedDigits:
        image.fill(Qt::black);
        drawDigits(image, QColor(255, 0, 0));
        break;
    case PlaceholderKind::GreenDigits:
        image.fill(Qt::black);
        drawDigits(image, QColor(0, 255, 0));
        break;
    }
    return image;
}

} // namespace varnholt
