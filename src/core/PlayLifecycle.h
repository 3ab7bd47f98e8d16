#pragma once
// The main window's play lifecycle as one phase: whether a spin or nudge is under way, whether it
// must finish without its waits, and whether a close is waiting for it. Also what a save in the
// middle of a play keeps, and the chest a close during the bonus game takes.

#include "core/GameState.h"

namespace varnholt {

enum class PlayPhase {
    Idle,        // nothing under way
    Playing,     // a spin or nudge (with any bonus game it opens) is under way
    Hurrying,    // the event loop is going away: the play finishes without waits
    Closing,     // a close was asked for during the play: it finishes without waits, then closes
    CloseQueued, // the play is judged; the waiting close is on its way
};

enum class PlayEvent {
    PlayStarted,
    PlayEnded,
    LoopEnding, // a wait came back early: nothing more will be shown
    CloseAsked,
};

PlayPhase nextPhase(PlayPhase phase, PlayEvent event);

// A spin or nudge is under way (it may be waiting on the event loop).
bool isPlaying(PlayPhase phase);
// Waits are skipped and the bonus game picks for the player.
bool isHurried(PlayPhase phase);
// A close asked for during a play waits for the play to end.
bool isClosePending(PlayPhase phase);

// What a close asked for now does: the play under way finishes first, else the window closes.
enum class CloseStep { FinishPlayFirst, CloseNow };
CloseStep closeStep(PlayPhase phase);

// The game a save keeps: in the middle of a play the game as it stood before the play began,
// never a bet taken and not yet judged. Coins put in but not spun go back to the credits.
GameState gameToSave(const GameState &current, const GameState &beforePlay, bool midPlay);

// The chest a close during the bonus game takes for the player: the chests were dealt at random,
// so the first is as fair a pick as any.
inline constexpr int kClosingChest = 0;

} // namespace varnholt
