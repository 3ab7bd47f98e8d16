#pragma once
// What the machine shows while it plays. The rules call these hooks in the order the player
// must see the effects; the main window turns each into timers, drawing and sound, and headless
// players (tests, the odds tool) record or ignore them. Every hook is called after the game
// state it reports has been changed.

#include "bonus/BonusPrizes.h"
#include "core/Reels.h"

#include <array>

namespace varnholt {

class EvaluationEvents {
public:
    virtual ~EvaluationEvents() = default;

    // A Wild shows on reel 3 in this screen row (WildRow is set): animate it (Timer6 on).
    virtual void wildSeen(int row) = 0;
    // A bonus game is about to open: stop the win flashing (Timer3 off).
    virtual void winFlashingOff() = 0;
    // Show the bonus game with the dealt prizes until the player has picked. The picked prize
    // must be in the game state when this returns: applyBonusPrize(state, prizes[chest]).
    virtual void runBonusGame(const BonusPrizes &prizes) = 0;
    // This line paid or opened the bonus game: its guide is drawn lit while the win flashing runs.
    virtual void lineWon(int line) = 0;
    // Nudges may have changed: redraw the nudge counter.
    virtual void nudgeCounterChanged() = 0;
    // Play the win sound and wait until it has finished.
    virtual void playWinSound() = 0;
    // Start the win flashing (Timer3 on).
    virtual void winFlashingOn() = 0;
    // Stop the nudge buttons blinking (Timer7 off) and draw them unlit.
    virtual void nudgeButtonsOff() = 0;
    // The count-up begins: draw the "Winnings" caption.
    virtual void countUpStarted() = 0;
    // One count-up step has moved `step` credits into Credits; `counted` is the total moved so far.
    // Play the count click, draw the Credits and Winnings meters, wait 0.075 s.
    virtual void countUpStep(int step, int counted) = 0;
    // Nudges are in hand after a result that paid nothing: blink the nudge buttons (Timer7 on).
    virtual void nudgeButtonsBlinking() = 0;
};

// The whole play cycle: a spin and a nudge add their own steps around the evaluation.
class PlayEvents : public EvaluationEvents {
public:
    // Spin re-bet the last stake: redraw the Credits and Coins meters (no coin sound).
    virtual void rebetPlaced() = 0;
    // A spin begins: Timer2, Timer3, Timer6, Timer7 off; title panel and name plate undimmed;
    // Bet 1, Bet 3, Spin and the nudge buttons unlit.
    virtual void spinStarting() = 0;
    // Run the reel animation from these strip offsets to the new stops already in ReelStops.
    // Setting Exiting ends it early; the spin is then not evaluated.
    virtual void animateReels(const std::array<int, kReelCount> &stripOffsets) = 0;
    // The spin is over and input is unlocked: Bet 1, Bet 3, Spin lit, Timer2 on.
    virtual void spinFinished() = 0;

    // A nudge begins on this reel: Timer6 and Timer7 off.
    virtual void nudgeStarting(int reel) = 0;
    // Scroll the reel down by one symbol through the nudge strip (rows: the incoming symbol,
    // then the three symbols shown now).
    virtual void scrollNudge(int reel, const std::array<int, 4> &stripSymbols) = 0;
    // The reel stands on its new stop (ReelStops updated): play the stop click and bounce it.
    virtual void nudgeSettled(int reel) = 0;
};

} // namespace varnholt
