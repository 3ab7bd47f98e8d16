#include "core/Bets.h"

namespace varnholt {

BetOutcome BetOne(GameState &state)
{
    BetOutcome outcome;
    if (state.Credits < 1) {
        outcome.message = kOutOfCreditsMessage;
        return outcome;
    }
    state.CoinsBet += 1;
    state.Credits -= 1;
    outcome.coinsAdded = 1;
    outcome.spinNow = state.CoinsBet == kMaxCoins;
    return outcome;
}

BetOutcome BetMax(GameState &state)
{
    BetOutcome outcome;
    while (state.Credits >= 1 && state.CoinsBet < kMaxCoins) {
        state.CoinsBet += 1;
        state.Credits -= 1;
        outcome.coinsAdded += 1;
    }
    outcome.spinNow = state.CoinsBet == kMaxCoins;
    return outcome;
}

} // namespace varnholt
