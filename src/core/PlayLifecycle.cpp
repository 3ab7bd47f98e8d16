#include "core/PlayLifecycle.h"

#include "core/Counters.h"

namespace varnholt {

namespace {

PlayPhase afterCloseAsked(PlayPhase phase)
{
    if (isPlaying(phase))
        return PlayPhase::Closing;
    return PlayPhase::Closed;
}

} // namespace

PlayPhase nextPhase(PlayPhase phase, PlayEvent event)
{
    // Once closed the machine stays closed, whatever a late timer or dialog reports.
    if (phase == PlayPhase::Closed)
        return phase;
    switch (event) {
    case PlayEvent::StartUpDone:
        return phase == PlayPhase::StartingUp ? PlayPhase::Idle : phase;
    case PlayEvent::PlayStarted:
        return phase == PlayPhase::Idle ? PlayPhase::Playing : phase;
    case PlayEvent::PlayEnded:
        if (phase == PlayPhase::Closing)
            return PlayPhase::CloseQueued;
        return isPlaying(phase) ? PlayPhase::Idle : phase;
    case PlayEvent::LoopEnding:
        return phase == PlayPhase::Playing ? PlayPhase::Hurrying : phase;
    case PlayEvent::SlotsOpened:
        return phase == PlayPhase::Idle ? PlayPhase::SlotsOpen : phase;
    case PlayEvent::SlotsClosed:
        return phase == PlayPhase::SlotsOpen ? PlayPhase::Idle : phase;
    case PlayEvent::CloseAsked:
        return afterCloseAsked(phase);
    }
    return phase;
}

bool isPlaying(PlayPhase phase)
{
    return phase == PlayPhase::Playing || phase == PlayPhase::Hurrying || phase == PlayPhase::Closing;
}

bool isHurried(PlayPhase phase) { return phase == PlayPhase::Hurrying || phase == PlayPhase::Closing; }

bool isClosePending(PlayPhase phase)
{
    return phase == PlayPhase::Closing || phase == PlayPhase::CloseQueued;
}

bool busyIn(PlayPhase phase) { return phase != PlayPhase::Idle; }

bool mayRun(Command command, PlayPhase phase)
{
    using P = PlayPhase;
    switch (command) {
    case Command::BetOne:
    case Command::BetMax:
    case Command::Spin:
    case Command::Nudge:
    // A play under way and the slot dialog both work on the game state these change.
    case Command::NewGame:
    case Command::OpenGame:
    case Command::SaveGame:
    case Command::Borrow:
        return phase == P::Idle;
    // Windows that only read may open while a play waits behind them, but not once the machine
    // is winding down or the game is lent to the slot dialog.
    case Command::Stats:
    case Command::History:
    case Command::Payoffs:
    case Command::Advert:
        return phase == P::StartingUp || phase == P::Idle || phase == P::Playing;
    // The manual and the web pages open beside the game, the slot dialog's Help button too.
    case Command::Help:
    case Command::WebPage:
        return phase == P::StartingUp || phase == P::Idle || phase == P::Playing || phase == P::SlotsOpen;
    case Command::SoundOption:
    case Command::MusicOption:
    case Command::Exit:
        return phase != P::Closed;
    }
    return false;
}

CloseStep closeStep(PlayPhase phase)
{
    if (phase == PlayPhase::Closed)
        return CloseStep::AlreadyClosed;
    return isPlaying(phase) ? CloseStep::FinishPlayFirst : CloseStep::CloseNow;
}

GameState gameToSave(const GameState &current, const GameState &beforePlay, bool midPlay)
{
    GameState kept = midPlay ? beforePlay : current;
    kept.Credits = addCapped(kept.Credits, kept.CoinsBet);
    kept.CoinsBet = 0;
    return kept;
}

} // namespace varnholt
