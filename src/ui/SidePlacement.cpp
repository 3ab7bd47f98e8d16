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

QRect sideWindowPlace(const QRect &screen, const QRect &machine, const QRect &reels, const QSize &size,
                      const QSize &minimum)
{
    const auto within = [&](QPoint at, const QSize &extent) {
        at.setX(
            std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - extent.width())));
        at.setY(
            std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - extent.height())));
        return QRect(at, extent);
    };
    const int top = machine.top();
    // Right of the machine first, then left; then the screen's own sides.
    const std::array<QRect, 6> candidates{
        within({machine.right() + 1, top}, size),
        within({machine.left() - size.width(), top}, size),
        within({screen.right() + 1 - size.width(), reels.bottom() + 1}, size),
        within({screen.left(), reels.bottom() + 1}, size),
        within({screen.right() + 1 - size.width(), screen.top()}, size),
        within({screen.left(), screen.top()}, size),
    };
    QRect best = candidates[0];
    long long least = covered(best, reels);
    for (const QRect &place : candidates) {
        if (const long long hidden = covered(place, reels); hidden < least) {
            least = hidden;
            best = place;
        }
    }
    if (least == 0)
        return best;
    // Narrower, beside the reels; else shorter, above them: it then hides none of them.
    const int right = screen.right() - reels.right(), left = reels.left() - screen.left();
    const int above = reels.top() - screen.top();
    if (std::max(right, left) >= minimum.width()) {
        const QSize narrower(std::min(size.width(), std::max(right, left)), size.height());
        return within({right >= left ? screen.right() + 1 - narrower.width() : screen.left(), top}, narrower);
    }
    if (above >= minimum.height())
        return within({screen.right() + 1 - size.width(), screen.top()},
                      QSize(size.width(), std::min(above, size.height())));
    return best;
}

} // namespace varnholt
