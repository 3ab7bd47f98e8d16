#pragma once
// What happens in the game while it plays. The rules report each event in the order the player
// must see its effects; the main window shows it with pictures, lamps and sound, and headless
// players (tests, the odds tool) record or ignore it. Every event is reported after the game
// state it speaks of has been changed.

#include "bonus/BonusPrizes.h"
#include "core/Reels.h"

#include <array>

namespace varnholt {

class EvaluationEvents {
public:
    virtual ~EvaluationEvents() = default;

    // A Wild has landed on reel 3 in this screen row (WildRow is set); the window animates it.
    virtual void wildLanded(int row) = 0;
    // A bonus game is about to open: the win shown so far gives way to it.
    virtual void bonusGameOpening() = 0;
    // The bonus prizes are dealt into the chests and the player picks one; the window shows the
    // bonus game until then. The picked prize must be in the game state when this returns:
    // applyBonusPrize(state, prizes[chest]).
    virtual void bonusGameDealt(const BonusPrizes &prizes) = 0;
    // This line paid or opened the bonus game; the window lights its guide while the win shows.
    virtual void lineWon(int line) = 0;
    // The nudges in hand may have changed.
    virtual void nudgesChanged() = 0;
    // The result won at least its stake; the window plays the win sound and returns when it ends.
    virtual void winAnnounced() = 0;
    // The result paid credits; the window shows the win until the next spin or bonus game.
    virtual void winShown() = 0;
    // No nudge may follow now; the window draws the nudge buttons unlit.
    virtual void nudgeOfferWithdrawn() = 0;
    // The winnings begin to move into the credits; the window draws the "Winnings" caption.
    virtual void countUpStarted() = 0;
    // `step` credits of the winnings have moved into Credits; `counted` is the total moved so
    // far. The window plays the count click, draws the Credits and Winnings meters, and returns
    // after 0.075 s.
    virtual void countUpStep(int step, int counted) = 0;
    // A result paid nothing and nudges are in hand; the window invites a nudge by blinking the
    // nudge buttons (after a bonus game the offer itself stays closed).
    virtual void nudgesOffered() = 0;
};

// The whole play cycle: a spin and a nudge add their own events around the evaluation.
class PlayEvents : public EvaluationEvents {
public:
    // The last spin's stake went in again (Credits and CoinsBet changed, no coin was put in).
    virtual void rebetPlaced() = 0;
    // A spin begins: what the last result showed ends and the machine's controls go dark.
    virtual void spinStarting() = 0;
    // The reels spin from these strip offsets to the new stops already in ReelStops; the window
    // runs the reel animation, which a close may cut short; the spin is judged either way.
    virtual void reelsSpinning(const std::array<int, kReelCount> &stripOffsets) = 0;
    // The spin is over and the machine takes input again; the window lights its controls.
    virtual void spinFinished() = 0;

    // A nudge begins on this reel: the Wild's animation and the nudge invitation end.
    virtual void nudgeStarting(int reel) = 0;
    // The reel moves down by one symbol through the nudge strip (rows: the incoming symbol,
    // then the three symbols shown before the nudge).
    virtual void reelNudging(int reel, const std::array<int, 4> &stripSymbols) = 0;
    // The reel stands on its new stop (ReelStops updated); the window plays the stop click and
    // bounces it.
    virtual void nudgeSettled(int reel) = 0;
};

// A player with no screen (the odds tool, tests) ignores every event but the ones it overrides.
// The bonus pick has no default: a prize must be applied before the evaluation goes on.
class QuietPlayEvents : public PlayEvents {
public:
    void wildLanded(int) override {}
    void bonusGameOpening() override {}
    void lineWon(int) override {}
    void nudgesChanged() override {}
    void winAnnounced() override {}
    void winShown() override {}
    void nudgeOfferWithdrawn() override {}
    void countUpStarted() override {}
    void countUpStep(int, int) override {}
    void nudgesOffered() override {}
    void rebetPlaced() override {}
    void spinStarting() override {}
    void reelsSpinning(const std::array<int, kReelCount> &) override {}
    void spinFinished() override {}
    void nudgeStarting(int) override {}
    void reelNudging(int, const std::array<int, 4> &) override {}
    void nudgeSettled(int) override {}
};

} // namespace varnholt
