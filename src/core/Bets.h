#pragma once
// Putting coins in. Each coin buys one pay line; the third coin spins at once. Coins go in only
// while the machine is idle, which the caller's play phase decides (mayRun).

#include "core/GameState.h"

namespace varnholt {

inline constexpr int kMaxCoins = 3;
inline constexpr const char *kOutOfCreditsMessage = "You are out of credits...better borrow some!";

// What a bet did; the window plays one coin sound and redraws the Credits and Coins meters per
// coin added, shows the message if there is one, and calls Spin when spinNow is set.
struct BetOutcome {
    const char *message = nullptr;
    int coinsAdded = 0;
    bool spinNow = false;
};

// One coin in. With no credits: the out-of-credits message and no change.
BetOutcome BetOne(GameState &state);

// Coins in up to three. Too few credits leave the coins that went in, silently.
BetOutcome BetMax(GameState &state);

} // namespace varnholt
