#pragma once
// The main window's lifecycle as one phase: starting up, idle, a play under way (and whether it
// must finish without its waits or a close is waiting for it), the slot dialog holding the game,
// closed. From it follow whether the machine is busy, which commands may run now, what a close
// does, and what a save keeps; nothing else records any of these.

#include "core/GameState.h"

namespace varnholt {

enum class PlayPhase {
    StartingUp,  // the face is up but start-up has not finished: input stays locked
    Idle,        // nothing under way
    Playing,     // a spin or nudge (with any bonus game it opens) is under way
    Hurrying,    // the event loop is going away: the play finishes without waits
    Closing,     // a close was asked for during the play: it finishes without waits, then closes
    CloseQueued, // the play is judged; the waiting close is on its way
    SlotsOpen,   // the slot dialog has the game state to show saved slots in
    Closed,      // exiting: the game has been kept for the next run; nothing more happens
};

enum class PlayEvent {
    StartUpDone,
    PlayStarted,
    PlayEnded,
    LoopEnding, // a wait came back early: nothing more will be shown
    SlotsOpened,
    SlotsClosed,
    CloseAsked,
};

PlayPhase nextPhase(PlayPhase phase, PlayEvent event);

// A spin or nudge is under way (it may be waiting on the event loop).
bool isPlaying(PlayPhase phase);
// Waits are skipped and the bonus game picks for the player.
bool isHurried(PlayPhase phase);
// A close asked for during a play waits for the play to end.
bool isClosePending(PlayPhase phase);

// Busy: input and the game-changing commands are locked (in every phase but Idle).
bool busyIn(PlayPhase phase);

// Everything a player can ask of the main window, from its face, keys and menus.
enum class Command {
    BetOne,
    BetMax,
    Spin,
    Nudge,
    NewGame,
    OpenGame,
    SaveGame,
    Borrow,
    Stats,
    History,
    Payoffs,
    Advert,
    SoundOption,
    MusicOption,
    Help,
    WebPage,
    Exit,
};

// Whether a command may run in this phase. The play's own rules may refuse it further (a bet
// without credits, a nudge not offered).
bool mayRun(Command command, PlayPhase phase);

// What a close asked for now does: the play under way finishes first, the window closes and
// keeps the game, or nothing more happens because the game has been kept already.
enum class CloseStep { FinishPlayFirst, CloseNow, AlreadyClosed };
CloseStep closeStep(PlayPhase phase);

// The game a save keeps: in the middle of a play the game as it stood before the play began,
// never a bet taken and not yet judged. Coins put in but not spun go back to the credits.
GameState gameToSave(const GameState &current, const GameState &beforePlay, bool midPlay);

// The chest a close during the bonus game takes for the player: the chests were dealt at random,
// so the first is as fair a pick as any.
inline constexpr int kClosingChest = 0;

} // namespace varnholt
