#include "geometry/FaceAreas.h"

namespace varnholt {

bool HitArea::containsX(const Layout &layout, int x) const
{
    return layout.Scale(left) <= x && x <= layout.Scale(right);
}

bool HitArea::containsY(const Layout &layout, int y) const
{
    return layout.Scale(top) <= y && y <= layout.Scale(bottom);
}

bool HitArea::contains(const Layout &layout, int x, int y) const
{
    return containsX(layout, x) && containsY(layout, y);
}

bool onLogo(const Layout &layout, int x, int y)
{
    const int corner = layout.Scale(kLogoCorner);
    return corner <= x && x <= corner + kLogoWidth && corner <= y && y <= corner + kLogoHeight;
}

std::optional<int> nudgeButtonAt(const Layout &layout, int x, int y)
{
    if (!kNudgeButtonAreas[0].containsY(layout, y))
        return std::nullopt;
    for (int reel = 0; reel < int(kNudgeButtonAreas.size()); ++reel)
        if (kNudgeButtonAreas[reel].containsX(layout, x))
            return reel;
    return std::nullopt; // between buttons
}

std::optional<MachineButton> machineButtonAt(const Layout &layout, int x, int y)
{
    if (!kSpinButtonArea.containsX(layout, x))
        return std::nullopt;
    if (kBetOneButtonArea.containsY(layout, y))
        return MachineButton::BetOne;
    if (kBetMaxButtonArea.containsY(layout, y))
        return MachineButton::BetMax;
    if (kSpinButtonArea.containsY(layout, y))
        return MachineButton::Spin;
    return std::nullopt;
}

} // namespace varnholt
