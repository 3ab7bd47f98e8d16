#pragma once
// Where the buttons, the coin slot and the logo stand on the machine face.

#include "geometry/Layout.h"

#include <array>
#include <optional>

namespace varnholt {

// An area of the face in design coordinates; every bound is scaled and both ends belong to it.
struct HitArea {
    int left, right, top, bottom;
    bool contains(const Layout &layout, int x, int y) const;
    bool containsX(const Layout &layout, int x) const;
    bool containsY(const Layout &layout, int y) const;
};

// One nudge button above each reel; together they span the nudge band.
inline constexpr std::array<HitArea, 3> kNudgeButtonAreas{{
    {260, 332, 246, 263},
    {364, 436, 246, 263},
    {468, 540, 246, 263},
}};
inline constexpr HitArea kSpinButtonArea{577, 655, 293, 352};
inline constexpr HitArea kBetOneButtonArea{577, 655, 362, 421};
inline constexpr HitArea kBetMaxButtonArea{577, 655, 432, 491};
inline constexpr HitArea kCoinSlotArea{560, 643, 99, 181};

// The logo's corner is scaled; its size is the picture's own, unscaled.
inline constexpr int kLogoCorner = 10;
inline constexpr int kLogoWidth = 125;
inline constexpr int kLogoHeight = 70;

// The logo's area on the window, both ends inclusive.
bool onLogo(const Layout &layout, int x, int y);

// The reel (0 to 2) whose nudge button holds the point; none between the buttons.
std::optional<int> nudgeButtonAt(const Layout &layout, int x, int y);

// The button of the column beside the reels holding the point.
enum class MachineButton { Spin, BetOne, BetMax };
std::optional<MachineButton> machineButtonAt(const Layout &layout, int x, int y);

} // namespace varnholt
