#pragma once
// Fewer points for a long balance history, so the window draws a chart, not every spin.

#include "history/HistoryRecords.h"

#include <cstddef>
#include <vector>

namespace varnholt {

// At most `maxPoints` (at least 4) of `points`, in order: the first and the last, and from each of
// evenly sized stretches between them its lowest and its highest, so the extremes survive. The
// stretches hold a power of two points each, so adding a point changes only the last of them. The
// marks (borrow, pay-back, vault) of a point left out go to the first point kept of its stretch.
std::vector<BalancePoint> thinBalance(const std::vector<BalancePoint> &points, std::size_t maxPoints);

} // namespace varnholt
