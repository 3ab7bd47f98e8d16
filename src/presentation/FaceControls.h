#pragma once
// The controls and meters of the machine face as one list: where each lies (the press areas
// where there are some), what it is called, and the hint shown when the pointer rests on it.
// Hover hints and the screen reader's view of the face both read it.

#include "core/Input.h"
#include "geometry/Layout.h"
#include "presentation/MachineFace.h"

#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace varnholt {

enum class FaceMeter { None, Credits, Coins, Winnings, Nudges };

struct FaceControl {
    const char *name;
    HitArea area;        // design coordinates, both ends inclusive
    FaceMeter meter;     // None for a button
    const char *toolTip; // UTF-8
};

inline constexpr std::array<FaceControl, 11> kFaceControls{{
    {"Spin", kSpinButtonArea, FaceMeter::None, "Spin — Enter or Space; puts the last stake in again"},
    {"Bet 1", kBetOneButtonArea, FaceMeter::None, "Put in one coin — B"},
    {"Bet 3", kBetMaxButtonArea, FaceMeter::None, "Put in coins up to three and spin — M"},
    {"Coin slot", kCoinSlotArea, FaceMeter::None, "Coin slot: put in one coin"},
    {"Nudge reel 1", kNudgeButtonAreas[0], FaceMeter::None, "Nudge this reel down one symbol — 1/2/3"},
    {"Nudge reel 2", kNudgeButtonAreas[1], FaceMeter::None, "Nudge this reel down one symbol — 1/2/3"},
    {"Nudge reel 3", kNudgeButtonAreas[2], FaceMeter::None, "Nudge this reel down one symbol — 1/2/3"},
    // Each meter with its caption above it.
    {"Credits", {460, 620, 24, 70}, FaceMeter::Credits, "Credits: the coins you have to play with"},
    {"Coins", {250, 315, 24, 70}, FaceMeter::Coins, "Coins: the coins in for the next spin"},
    {"Winnings", {330, 440, 24, 70}, FaceMeter::Winnings, "Winnings: the credits the last win paid"},
    {"Nudges", {580, 654, 230, 276}, FaceMeter::Nudges, "Nudges: the nudges you hold"},
}};

// The three nudge buttons' places in the list, reel 1 first.
inline constexpr int kFirstNudgeControl = 4;
static_assert(std::string_view(kFaceControls[kFirstNudgeControl].name) == "Nudge reel 1");
constexpr bool isNudgeControl(int index)
{
    return index >= kFirstNudgeControl && index < kFirstNudgeControl + kReelCount;
}

// The control whose area holds the window point, if any.
std::optional<int> faceControlAt(const Layout &layout, int x, int y);

// A control's area on the window.
QRect faceControlRect(const Layout &layout, const FaceControl &control);

// A meter's value as it shows; empty for a blank meter or a button.
QString faceMeterText(FaceMeter meter, const ShownMeters &shown);

} // namespace varnholt
