#pragma once
// Layout arithmetic of the machine face. Every position is designed for a face 800 pixels wide
// and scaled by the layout width.

#include <optional>
#include <string>

namespace varnholt {

struct SizedSheet {
    int width;          // layout width the sheet was drawn for
    const char *suffix; // appended to the asset prefix, e.g. "152.jpg"; empty for the built-in sheet
    int symbolSize;
};

// The sheets drawn natively for particular widths; 800 uses the built-in sheet.
std::optional<SizedSheet> sizedSheetFor(int layoutWidth);

struct Layout {
    int width = 800; // layout width in pixels

    // v * (width / 800), truncated toward zero.
    int Scale(double v) const;

    // symbolSize of the sheet in use: the table's value when that sheet is used pixel for pixel,
    // Scale(76) when the built-in sheet is stretched.
    int SymbolSize = 76;
    int ReelsLeft = 252;
    int ReelsTop = 272;
    int ReelPitch = 106;
    int BlurStripHeight = 456;
};

// The layout for a width. sizedSheetExists tells whether the sized sheet file for this width
// is present; stripHeight is the spinning-strip picture's height.
Layout makeLayout(int layoutWidth, bool sizedSheetExists, int stripHeight = 456);

// The layout width for a screen: the face is 4:3, so a wide screen lays out at height * 4 / 3.
int layoutWidthForScreen(int screenWidth, int screenHeight);

} // namespace varnholt
