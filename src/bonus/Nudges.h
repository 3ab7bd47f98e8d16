#pragma once
// Nudging a reel down one symbol after a result that paid nothing, and judging the lines again
// at the stake of the last spin.

#include "core/EvaluateLines.h"
#include "core/EvaluationEvents.h"
#include "core/GameState.h"
#include "core/Layout.h"
#include "core/Random.h"

#include <array>

namespace varnholt {

// The stop after a nudge: one position back, so the symbols move down; 1 becomes 30.
int nudgedStop(int stop);

// The nudge strip for a reel moving to newStop: the symbols at positions newStop .. newStop + 3.
// Row 0 comes in at the top; rows 1 to 3 are what the reel shows before the nudge.
std::array<int, 4> nudgeStripSymbols(int reel, int newStop);

// Top of the source window in the nudge strip for scroll frames 1 to 8: it starts one symbol
// down and moves up Scale(10) per frame, Scale(6) for the last; the last frame is drawn from
// the strip's top so the reel lands exactly on its new stop at every size.
std::array<int, 8> nudgeScrollTops(const Layout &layout);

// Settle bounce after a nudge: vertical offsets from ReelsTop in window pixels, and the height
// of the reel area it moves.
inline constexpr std::array<int, 8> kNudgeBounceOffsets{2, 4, 2, 0, -2, -4, -2, 0};
int nudgeBounceHeight(const Layout &layout);

enum class NudgeOffer { Closed, Offered, Nudging };
NudgeOffer nudgeOffer(const GameState &state);

// A nudge press counts only while the offer is open and nothing else is running.
bool canNudge(const GameState &state);

// Uses one nudge on reel 0, 1 or 2 and judges the lines again with CoinsBet = LastBet for the
// call. No credits are taken and it is not a spin. Coins put in before the nudge stay in.
// The machine is busy for the whole nudge. Returns false (and changes nothing) when no nudge
// may be used now.
template <class Events>
bool NudgeReel(GameState &state, int reel, RandomSource &random, Events &events)
{
    if (reel < 0 || reel >= kReelCount || !canNudge(state))
        return false;
    state.Busy = true;
    state.Nudging = true;
    events.nudgeStarting(reel);
    state.Nudges -= 1;
    events.nudgeCounterChanged();
    state.NudgeAllowed = false;

    const int newStop = nudgedStop(state.ReelStops[reel]);
    events.scrollNudge(reel, nudgeStripSymbols(reel, newStop));
    state.ReelStops[reel] = newStop;
    events.nudgeSettled(reel);

    const int coinsIn = state.CoinsBet;
    state.CoinsBet = state.LastBet;
    EvaluateLines(state, random, events);
    state.CoinsBet = coinsIn;

    if (state.Nudges <= 0) {
        state.NudgeAllowed = false;
        events.nudgeButtonsOff();
    }
    state.Nudging = false;
    state.Busy = false;
    return true;
}

extern template bool NudgeReel<PlayEvents>(GameState &, int, RandomSource &, PlayEvents &);

} // namespace varnholt
