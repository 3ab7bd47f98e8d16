#pragma once
// Where presses and keys on the machine face act, and what they do under the current state.

#include "core/GameState.h"
#include "core/PlayLifecycle.h"
#include "geometry/FaceAreas.h"

#include <array>
#include <optional>

namespace varnholt {

enum class InputAction {
    NudgeReel,            // NudgeReel(reel)
    BetOne,               // BetOne, then Spin if it says so
    BetMax,               // BetMax, then Spin if it says so
    Spin,                 // Spin
    CloseNudgeOfferIfOut, // closeNudgeOfferIfOut; on true the nudge offer is withdrawn
    OpenGamesPage,        // the maker's games page
};

struct PressStep {
    InputAction action;
    int reel = -1; // for NudgeReel
};

// The steps of one press, to run in order.
struct PressPlan {
    std::array<PressStep, 5> steps{};
    int count = 0;
    const PressStep *begin() const { return steps.data(); }
    const PressStep *end() const { return steps.data() + count; }
};

// A nudge is on offer: the offer is open and nudges are in hand.
bool canNudge(const GameState &state);

// What a press at window point (x, y) does in this play phase: a nudge, a bet or a spin under
// its condition, then the out-of-nudges check (every press), then the logo link (in every
// state). Nudges, bets and spins are ignored while the machine is busy (busyIn), so none can
// start inside a spin or another nudge.
PressPlan planPress(const GameState &state, PlayPhase phase, const Layout &layout, int x, int y);

// Clears the nudge offer when no nudges are left; true when the window must also stop the
// nudge buttons blinking and draw them unlit.
bool closeNudgeOfferIfOut(GameState &state);

// Key codes the machine answers to; letters by their upper-case code, with or without shift.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyB = 66;
inline constexpr int kKeyM = 77;
// Digits by their character code; the keypad's digits arrive as the same codes.
inline constexpr int kKey1 = '1';
// Arrow keys, by the codes the window toolkit gives them (above every character code).
inline constexpr int kKeyLeft = 0x01000012;
inline constexpr int kKeyRight = 0x01000014;

// Keys standing for a press on a face control.
struct KeyBinding {
    int keyCode;
    InputAction action;
    int reel = -1; // for NudgeReel
};

inline constexpr std::array<KeyBinding, 7> kKeyBindings{{
    {kKeyEnter, InputAction::Spin},
    {kKeySpace, InputAction::Spin},
    {kKeyB, InputAction::BetOne},
    {kKeyM, InputAction::BetMax},
    {kKey1, InputAction::NudgeReel, 0},
    {kKey1 + 1, InputAction::NudgeReel, 1},
    {kKey1 + 2, InputAction::NudgeReel, 2},
}};

// Enter and Space spin, B bets one, M bets max; only while the machine is not busy.
std::optional<InputAction> actionForKey(PlayPhase phase, int keyCode);

// The steps of one key press. A nudge key is a press on its reel's nudge button: it nudges under
// the press's conditions and, like every press there, closes the offer once nudges are out.
PressPlan planKey(const GameState &state, PlayPhase phase, int keyCode);

} // namespace varnholt
