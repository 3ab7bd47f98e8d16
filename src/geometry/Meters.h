#pragma once
// Geometry of the digit meters: which glyph cells a number needs and where they go.
// The meters draw numbers as rows of glyph cells cut from strips of the digits 0 to 9.

#include <cstdint>
#include <string>

namespace varnholt {

struct GlyphSize {
    int width;
    int height;
    bool operator==(const GlyphSize &) const = default;
};

inline constexpr GlyphSize kSmallGlyph{16, 21};
inline constexpr GlyphSize kLargeGlyph{32, 42};

// Small cells below a layout width of 1000, large ones from 1000 up. The cells do not follow the
// face's scaling: at 1024 the digits are twice the size while the face grows by only 1.28.
GlyphSize glyphSizeForWidth(int layoutWidth);

struct PixelRect {
    int left, top, right, bottom; // right and bottom exclusive
    bool operator==(const PixelRect &) const = default;
};

// Where one meter value goes. The text holds the decimal digits, led by '-' for a negative value
// (a minus sign drawn in the meter's colour takes that cell).
struct MeterCells {
    std::string text;
    int firstCellLeft; // left edge of the first cell
    int top;
    PixelRect blackBox; // wipes the old value: the cells plus one cell on the side away from the anchor
};

// anchorX is the right edge of the digits when rightAligned, else their left edge; top is their top.
MeterCells meterCells(std::int32_t value, bool rightAligned, int anchorX, int top, GlyphSize glyph);

// The minus sign's bar inside a cell whose top-left corner is (cellLeft, top).
PixelRect minusBar(int cellLeft, int top, GlyphSize glyph);

} // namespace varnholt
