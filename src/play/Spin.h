#pragma once
// One spin, from the bet to the end of the count-up.

#include "core/GameState.h"
#include "core/Random.h"
#include "core/Reels.h"
#include "play/EvaluateLines.h"
#include "play/EvaluationEvents.h"

#include <array>
#include <cstdint>

namespace varnholt {

inline constexpr const char *kNoBetMessage = "No bet was placed!";

// With no coins in, stakes the last spin's coins again when the credits allow it.
// Returns whether it did.
bool rebetLastStake(GameState &state);

// Draws the new stops (reel 1, 2, 3: strip offset Random(blurStripHeight), then stop
// Random(30) + 1), adds the stake to TotalBets and one to Spins.
// Returns the strip offsets the reel animation starts from.
std::array<int, kReelCount> SpinReels(GameState &state, RandomSource &random, int blurStripHeight);

// A seed from which SpinReels draws these stops (each 1 to kStripLength): what tests and the
// screenshot tool use to set up a known spin.
std::uint32_t seedForStops(int blurStripHeight, std::array<int, kReelCount> stops);

struct SpinOutcome {
    bool played = false;           // the reels turned
    bool rebet = false;            // the last stake was put in again
    const char *message = nullptr; // to show when nothing was staked
};

// Plays one spin; the caller starts it only while the machine is idle. With nothing staked and
// no affordable re-bet it only returns kNoBetMessage. `result` is filled in as the spin is judged.
template <class Events>
SpinOutcome Spin(GameState &state, RandomSource &random, Events &events, int blurStripHeight,
                 PlayOutcome &result)
{
    result = PlayOutcome{};
    SpinOutcome outcome;
    if (rebetLastStake(state)) {
        outcome.rebet = true;
        events.rebetPlaced();
    }
    if (state.CoinsBet == 0) {
        outcome.message = kNoBetMessage;
        return outcome;
    }
    events.spinStarting();
    const auto offsets = SpinReels(state, random, blurStripHeight);
    events.reelsSpinning(offsets);
    EvaluateLines(state, random, events, result);
    state.LastBet = state.CoinsBet;
    state.CoinsBet = 0;
    events.spinFinished();
    outcome.played = true;
    return outcome;
}

template <class Events>
SpinOutcome Spin(GameState &state, RandomSource &random, Events &events, int blurStripHeight)
{
    PlayOutcome result;
    return Spin(state, random, events, blurStripHeight, result);
}

extern template SpinOutcome Spin<PlayEvents>(GameState &, RandomSource &, PlayEvents &, int, PlayOutcome &);

} // namespace varnholt
