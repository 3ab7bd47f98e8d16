#include "core/PlayLifecycle.h"

#include "core/Counters.h"

namespace varnholt {

PlayPhase nextPhase(PlayPhase phase, PlayEvent event)
{
    switch (event) {
    case PlayEvent::PlayStarted:
        return isPlaying(phase) ? phase : PlayPhase::Playing;
    case PlayEvent::PlayEnded:
        return phase == PlayPhase::Closing ? PlayPhase::CloseQueued : PlayPhase::Idle;
    case PlayEvent::LoopEnding:
        return phase == PlayPhase::Playing ? PlayPhase::Hurrying : phase;
    case PlayEvent::CloseAsked:
        return isPlaying(phase) ? PlayPhase::Closing : PlayPhase::Idle;
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

CloseStep closeStep(PlayPhase phase)
{
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
