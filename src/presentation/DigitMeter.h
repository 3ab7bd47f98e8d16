#pragma once
// Numbers drawn as rows of digit glyphs cut from the glyph strips, on a black box that also
// wipes out the previous, one digit shorter value.

#include "geometry/Meters.h"
#include "platform/Canvas.h"
#include "presentation/FacePictures.h"

#include <QColor>
#include <QImage>

#include <cstdint>

namespace varnholt {

struct DigitStrips {
    GlyphSize glyph = kSmallGlyph;
    QImage red, green;       // the strips of the glyph size, prepared at the canvas's density
    QColor redInk, greenInk; // the lit colour of each strip, for the minus sign
};

// The strips for a layout width: small glyphs below 1000, large from 1000 up. On a dense screen
// the small cells are cut from the large strips, which hold them at twice the size.
DigitStrips makeDigitStrips(const FacePictures &pictures, int screenWidth, double devicePixelRatio);

// Draws value with its anchor at (x, y): x is the right edge of the digits when rightAligned,
// else their left edge; y is their top. A negative value gets a minus sign in the ink colour.
void DrawDigitMeter(Canvas &canvas, const DigitStrips &strips, std::int32_t value, bool green,
                    bool rightAligned, int x, int y);

} // namespace varnholt
