#include "history/BalanceThinning.h"

#include <algorithm>

namespace varnholt {

namespace {

void mergeMarks(BalancePoint &into, const BalancePoint &from)
{
    into.borrowed = into.borrowed || from.borrowed;
    into.paidBack = into.paidBack || from.paidBack;
    into.vaultOpened = into.vaultOpened || from.vaultOpened;
    into.gameStarted = into.gameStarted || from.gameStarted;
}

} // namespace

std::vector<BalancePoint> thinBalance(const std::vector<BalancePoint> &points, std::size_t maxPoints)
{
    maxPoints = std::max<std::size_t>(maxPoints, 4);
    if (points.size() <= maxPoints)
        return points;

    const std::size_t inner = points.size() - 2;
    const std::size_t stretches = (maxPoints - 2) / 2;
    // Stretches of a power of two points, counted from the start: a point added at the end
    // changes only the last stretch, so a chart that follows play redraws only its end, until
    // the history doubles.
    std::size_t size = 1;
    while ((inner + size - 1) / size > stretches)
        size *= 2;
    std::vector<BalancePoint> kept{points.front()};
    for (std::size_t begin = 1; begin < 1 + inner; begin += size) {
        const std::size_t end = std::min(begin + size, 1 + inner);
        const auto first = points.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = points.begin() + static_cast<std::ptrdiff_t>(end);
        const auto [low, high] = std::minmax_element(
            first, last, [](const BalancePoint &a, const BalancePoint &b) { return a.balance < b.balance; });
        const std::size_t keptBefore = kept.size();
        kept.push_back(low < high ? *low : *high);
        if (low != high)
            kept.push_back(low < high ? *high : *low);
        for (auto it = first; it != last; ++it) {
            if (it != low && it != high)
                mergeMarks(kept[keptBefore], *it);
        }
    }
    kept.push_back(points.back());
    return kept;
}

} // namespace varnholt
