#pragma once
// One nudge played through: the reel moves down one symbol and the lines are judged again at
// the stake of the last spin.

#include "bonus/Nudges.h"
#include "core/GameState.h"
#include "core/Input.h"
#include "core/Random.h"
#include "play/EvaluateLines.h"
#include "play/EvaluationEvents.h"

namespace varnholt {

// Uses one nudge on reel 0, 1 or 2 and judges the lines again with CoinsBet = LastBet for the
// call. No credits are taken and it is not a spin. Coins put in before the nudge stay in.
// The caller starts it only while the machine is idle. Returns false (and changes nothing) when
// no nudge is on offer. `result` is filled in as the nudge is judged.
template <class Events>
bool NudgeReel(GameState &state, int reel, RandomSource &random, Events &events, PlayOutcome &result)
{
    if (reel < 0 || reel >= kReelCount || !canNudge(state))
        return false;
    result = PlayOutcome{};
    result.byNudge = true;
    events.nudgeStarting(reel);
    state.Nudges -= 1;
    events.nudgesChanged();
    state.NudgeAllowed = false;

    const int newStop = nudgedStop(state.ReelStops[reel]);
    events.reelNudging(reel, nudgeStripSymbols(reel, newStop));
    state.ReelStops[reel] = newStop;
    events.nudgeSettled(reel);

    const int coinsIn = state.CoinsBet;
    state.CoinsBet = state.LastBet;
    EvaluateLines(state, random, events, result);
    state.CoinsBet = coinsIn;

    if (state.Nudges <= 0) {
        state.NudgeAllowed = false;
        events.nudgeOfferWithdrawn();
    }
    return true;
}

template <class Events> bool NudgeReel(GameState &state, int reel, RandomSource &random, Events &events)
{
    PlayOutcome result;
    return NudgeReel(state, reel, random, events, result);
}

extern template bool NudgeReel<PlayEvents>(GameState &, int, RandomSource &, PlayEvents &, PlayOutcome &);

} // namespace varnholt
