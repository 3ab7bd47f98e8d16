#include "presentation/DigitMeter.h"

namespace varnholt {

namespace {

// The brightest colour in the glyph of 8, which lights every segment.
QColor inkOf(const QImage &strip)
{
    QColor best(Qt::white);
    int bestSum = -1;
    const int cellW = strip.width() * 4 / 47; // 16 of 188: ten digits, a dot and a colon
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 8 * cellW; x < 9 * cellW && x < strip.width(); ++x) {
            const QRgb c = strip.pixel(x, y);
            const int sum = qRed(c) + qGreen(c) + qBlue(c);
            if (sum > bestSum) {
                bestSum = sum;
                best = QColor(c);
            }
        }
    return best;
}

QImage prepared(const QImage &small, const QImage &large, GlyphSize glyph, double ratio)
{
    const bool useSmall = glyph == kSmallGlyph && ratio < 1.5;
    const QImage &source = useSmall ? small : large;
    const QSize logical = glyph == kSmallGlyph ? QSize(188, 21) : QSize(376, 42);
    return scaledForDevice(source, logical, ratio);
}

} // namespace

DigitStrips makeDigitStrips(const FacePictures &pictures, int screenWidth, double devicePixelRatio)
{
    DigitStrips strips;
    strips.glyph = glyphSizeForWidth(screenWidth);
    strips.red = prepared(pictures.DigitsSmall, pictures.DigitsLarge, strips.glyph, devicePixelRatio);
    strips.green = prepared(pictures.GreenSmall, pictures.GreenLarge, strips.glyph, devicePixelRatio);
    strips.redInk = inkOf(pictures.DigitsSmall);
    strips.greenInk = inkOf(pictures.GreenSmall);
    return strips;
}

void DrawDigitMeter(Canvas &canvas, const DigitStrips &strips, std::int32_t value, bool green,
                    bool rightAligned, int x, int y)
{
    const GlyphSize glyph = strips.glyph;
    const MeterCells cells = meterCells(value, rightAligned, x, y, glyph);
    const PixelRect &box = cells.blackBox;
    canvas.fill(box.left, box.top, box.right, box.bottom, Qt::black);

    const QImage &strip = green ? strips.green : strips.red;
    int cellLeft = cells.firstCellLeft;
    for (char c : cells.text) {
        if (c == '-') {
            const PixelRect bar = minusBar(cellLeft, y, glyph);
            canvas.fill(bar.left, bar.top, bar.right, bar.bottom, green ? strips.greenInk : strips.redInk);
        } else {
            const int d = c - '0';
            canvas.copyAt(strip, QRect(d * glyph.width, 0, glyph.width, glyph.height), QPoint(cellLeft, y));
        }
        cellLeft += glyph.width;
    }
}

} // namespace varnholt
