#include "geometry/Layout.h"

#include <algorithm>
#include <array>

namespace varnholt {

namespace {
constexpr std::array<SizedSheet, 6> kSizedSheets{{
    {1600, "152.jpg", 152},
    {1280, "122.jpg", 122},
    {1152, "110.jpg", 110},
    {1024, "98.jpg", 98},
    {800, "", 76},
    {640, "61.jpg", 61},
}};
} // namespace

std::optional<SizedSheet> sizedSheetFor(int layoutWidth)
{
    for (const auto &sheet : kSizedSheets)
        if (sheet.width == layoutWidth)
            return sheet;
    return std::nullopt;
}

int Layout::Scale(double v) const { return int(v * (double(width) / 800.0)); }

Layout makeLayout(int layoutWidth, bool sizedSheetExists, int stripHeight)
{
    Layout layout;
    layout.width = layoutWidth;
    const auto sheet = sizedSheetFor(layoutWidth);
    if (sheet && (layoutWidth == 800 || sizedSheetExists))
        layout.SymbolSize = sheet->symbolSize;
    else
        layout.SymbolSize = layout.Scale(76);
    layout.ReelsLeft = layout.Scale(252);
    layout.ReelsTop = layout.Scale(272);
    layout.ReelPitch = layout.Scale(106);
    layout.BlurStripHeight = layout.Scale(stripHeight);
    return layout;
}

int layoutWidthForScreen(int screenWidth, int screenHeight)
{
    return std::min(screenWidth, screenHeight * 4 / 3);
}

} // namespace varnholt
