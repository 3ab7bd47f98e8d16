#include "geometry/NudgeMotion.h"

#include <algorithm>

namespace varnholt {

std::array<int, 8> nudgeScrollTops(const Layout &layout)
{
    std::array<int, 8> tops{};
    int top = layout.SymbolSize;
    for (int frame = 0; frame < 7; ++frame) {
        top = std::max(0, top - layout.Scale(10));
        tops[frame] = top;
    }
    tops[7] = 0;
    return tops;
}

int nudgeBounceHeight(const Layout &layout) { return 3 * layout.SymbolSize - layout.Scale(8); }

} // namespace varnholt
