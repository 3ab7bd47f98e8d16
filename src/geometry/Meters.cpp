#include "geometry/Meters.h"

namespace varnholt {

GlyphSize glyphSizeForWidth(int layoutWidth) { return layoutWidth < 1000 ? kSmallGlyph : kLargeGlyph; }

MeterCells meterCells(std::int32_t value, bool rightAligned, int anchorX, int top, GlyphSize glyph)
{
    MeterCells cells;
    // Widen before negating: the most negative value has no positive counterpart in 32 bits.
    cells.text = std::to_string(static_cast<std::int64_t>(value));
    const int n = static_cast<int>(cells.text.size());
    int x = anchorX;
    if (rightAligned)
        x -= n * glyph.width;
    cells.firstCellLeft = x;
    cells.top = top;
    const int boxLeft = rightAligned ? x - glyph.width : x;
    const int boxRight = rightAligned ? x + n * glyph.width : x + (n + 1) * glyph.width;
    cells.blackBox = {boxLeft, top, boxRight, top + glyph.height};
    return cells;
}

PixelRect minusBar(int cellLeft, int top, GlyphSize glyph)
{
    // A bar across the middle half of the cell, about as thick as a glyph's segment.
    const int thickness = glyph.height >= 42 ? 4 : 2;
    const int barTop = top + (glyph.height - thickness) / 2;
    return {cellLeft + glyph.width / 4, barTop, cellLeft + glyph.width - glyph.width / 4, barTop + thickness};
}

} // namespace varnholt
