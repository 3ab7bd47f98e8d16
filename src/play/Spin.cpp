#include "play/Spin.h"

#include "core/Counters.h"

namespace varnholt {

bool rebetLastStake(GameState &state)
{
    if (state.CoinsBet != 0 || state.LastBet <= 0 || state.Credits < state.LastBet)
        return false;
    state.CoinsBet = state.LastBet;
    state.Credits -= state.LastBet;
    return true;
}

std::array<int, kReelCount> SpinReels(GameState &state, RandomSource &random, int blurStripHeight)
{
    state.TotalBets = addCapped(state.TotalBets, state.CoinsBet);
    std::array<int, kReelCount> offsets{};
    for (int reel = 0; reel < kReelCount; ++reel) {
        offsets[reel] = random.Random(blurStripHeight);
        state.ReelStops[reel] = random.Random(kStripLength) + 1;
    }
    state.Spins = addCapped(state.Spins, 1);
    return offsets;
}

template SpinOutcome Spin<PlayEvents>(GameState &, RandomSource &, PlayEvents &, int, PlayOutcome &);

std::uint32_t seedForStops(int blurStripHeight, std::array<int, kReelCount> stops)
{
    for (std::uint32_t seed = 1;; ++seed) {
        RandomSource random(seed);
        bool match = true;
        for (int reel = 0; reel < kReelCount && match; ++reel) {
            random.Random(blurStripHeight);
            match = random.Random(kStripLength) + 1 == stops[reel];
        }
        if (match)
            return seed;
    }
}

} // namespace varnholt
