#pragma once
// Start-up and new-game values of the game state, and the one lock the menu asks about.

#include "core/GameState.h"

namespace varnholt {

// The reels' start-up stops 8, 9, 7 (the strips themselves are constants in core/Reels.h).
void InitReels(GameState &state);

// A fresh game: 1000 credits, 1000 borrowed, 6 nudges, every counter at 0, input unlocked.
// Coins already put in, the last bet, the reels and the nudge offer stay as they are.
void NewGame(GameState &state);

// New Game, Open Game, Save Game and Borrow change the state a spin or nudge is working on, so
// they wait until the machine is idle again.
bool gameCommandsAvailable(const GameState &state);

} // namespace varnholt
