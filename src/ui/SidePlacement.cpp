#include "ui/SidePlacement.h"

#include <algorithm>
#include <array>

namespace varnholt {

namespace {

long long covered(const QRect &window, const QRect &reels)
{
    const QRect both = window.intersected(reels);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

} // namespace

QPoint sideWindowPlace(const QRect &screen, const QRect &machine, const QRect &reels, const QSize &size)
{
    const auto within = [&](QPoint at) {
        at.setX(
            std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
        at.setY(
            std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
        return at;
    };
    const int top = machine.top();
    // Right of the machine first, then left; then the screen's own edges and corners.
    const std::array<QPoint, 6> candidates{
        within({machine.right() + 1, top}),
        within({machine.left() - size.width(), top}),
        within({screen.right() + 1 - size.width(), reels.bottom() + 1}),
        within({screen.left(), reels.bottom() + 1}),
        within({screen.right() + 1 - size.width(), screen.top()}),
        within({screen.left(), screen.top()}),
    };
    QPoint best = candidates[0];
    long long least = covered(QRect(best, size), reels);
    for (const QPoint &at : candidates) {
        const long long hidden = covered(QRect(at, size), reels);
        if (hidden < least) {
            least = hidden;
            best = at;
        }
    }
    return best;
}

} // namespace varnholt
