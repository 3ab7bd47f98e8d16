#pragma once
// How a nudged reel moves on the face: the scroll down one symbol and the bounce as it settles.

#include "geometry/Layout.h"

#include <array>

namespace varnholt {

// Top of the source window in the nudge strip for scroll frames 1 to 8: it starts one symbol
// down and moves up Scale(10) per frame, Scale(6) for the last; the last frame is drawn from
// the strip's top so the reel lands exactly on its new stop at every size.
std::array<int, 8> nudgeScrollTops(const Layout &layout);

// Settle bounce after a nudge: vertical offsets from ReelsTop in window pixels, and the height
// of the reel area it moves.
inline constexpr std::array<int, 8> kNudgeBounceOffsets{2, 4, 2, 0, -2, -4, -2, 0};
int nudgeBounceHeight(const Layout &layout);

} // namespace varnholt
