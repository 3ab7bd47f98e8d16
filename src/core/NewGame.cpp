#include "core/NewGame.h"

#include "core/Reels.h"

namespace varnholt {

void InitReels(GameState &state) { state.ReelStops = kStartStops; }

void NewGame(GameState &state)
{
    state.BonusPts = 0;
    state.TotalBets = 0;
    state.Credits = 1000;
    state.Borrowed = 1000;
    state.Spins = 0;
    state.BonusWon = 0;
    state.Nudges = 6;
}

} // namespace varnholt
