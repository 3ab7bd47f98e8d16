#pragma once
// Where a window kept open beside the machine goes: where it hides least of the reels.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace varnholt {

// The top-left corner for a window of `size` (frame included) on `screen` that covers least of
// `reels`: beside the machine (`machine`) to the right or left when there is room, else pushed to
// the screen's side away from the reels. All in global screen coordinates.
QPoint sideWindowPlace(const QRect &screen, const QRect &machine, const QRect &reels, const QSize &size);

} // namespace varnholt
