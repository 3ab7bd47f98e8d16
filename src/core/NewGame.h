#pragma once
// Start-up and new-game values of the game state.

#include "core/GameState.h"

namespace varnholt {

// The reels' start-up stops 8, 9, 7 (the strips themselves are constants in core/Reels.h).
void InitReels(GameState &state);

// A fresh game: 1000 credits, 1000 borrowed, 6 nudges, every counter at 0, input unlocked.
// Coins already put in, the last bet, the reels and the nudge offer stay as they are.
void NewGame(GameState &state);

} // namespace varnholt
