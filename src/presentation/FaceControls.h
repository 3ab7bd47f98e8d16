#pragma once
// The controls and meters of the machine face as one list: where each lies (the press areas
// where there are some), what it is called, and the hint shown when the pointer rests on it.
// Hover hints and the screen reader's view of the face both read it.

#include "core/Input.h"
#include "core/Reels.h"
#include "geometry/Layout.h"

#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace varnholt {

// Held by reference only, so the window and its tests do not recompile when the face changes.
struct ShownMeters;

enum class FaceMeter { None, Credits, Coins, Winnings, Nudges };

struct FaceControl {
    const char *name;    // translated in the context "FaceWidget"
    HitArea area;        // design coordinates, both ends inclusive
    FaceMeter meter;     // None for a button
    const char *toolTip; // UTF-8
};

inline constexpr std::array<FaceControl, 11> kFaceControls{{
    {QT_TRANSLATE_NOOP("FaceWidget", "Spin"), kSpinButtonArea, FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Spin — Enter or Space; puts the last stake in again")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Bet 1"), kBetOneButtonArea, FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Put in one coin — B")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Bet 3"), kBetMaxButtonArea, FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Put in coins up to three and spin — M")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Coin slot"), kCoinSlotArea, FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Coin slot: put in one coin")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Nudge reel 1"), kNudgeButtonAreas[0], FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Nudge this reel down one symbol — 1/2/3")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Nudge reel 2"), kNudgeButtonAreas[1], FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Nudge this reel down one symbol — 1/2/3")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Nudge reel 3"), kNudgeButtonAreas[2], FaceMeter::None,
     QT_TRANSLATE_NOOP("FaceWidget", "Nudge this reel down one symbol — 1/2/3")},
    // Each meter with its caption above it.
    {QT_TRANSLATE_NOOP("FaceWidget", "Credits"),
     {460, 620, 24, 70},
     FaceMeter::Credits,
     QT_TRANSLATE_NOOP("FaceWidget", "Credits: the coins you have to play with")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Coins"),
     {250, 315, 24, 70},
     FaceMeter::Coins,
     QT_TRANSLATE_NOOP("FaceWidget", "Coins: the coins in for the next spin")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Winnings"),
     {330, 440, 24, 70},
     FaceMeter::Winnings,
     QT_TRANSLATE_NOOP("FaceWidget", "Winnings: the credits the last win paid")},
    {QT_TRANSLATE_NOOP("FaceWidget", "Nudges"),
     {580, 654, 230, 276},
     FaceMeter::Nudges,
     QT_TRANSLATE_NOOP("FaceWidget", "Nudges: the nudges you hold")},
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
