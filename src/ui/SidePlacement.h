#pragma once
// Where a window kept open beside the machine goes: where it hides least of the reels.

#include <QRect>
#include <QSize>

namespace varnholt {

// The place for a window of `size` (frame included) on `screen` that covers least of `reels`:
// beside the machine (`machine`) to the right or left when there is room, else at a side of the
// screen. Where every such place would cover some of the reels, the window is made narrower to
// fit beside them, or else shorter to fit above them, down to `minimum`. All in global screen
// coordinates.
QRect sideWindowPlace(const QRect &screen, const QRect &machine, const QRect &reels, const QSize &size,
                      const QSize &minimum);

} // namespace varnholt
