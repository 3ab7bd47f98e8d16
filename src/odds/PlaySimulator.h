#pragma once
// Complete play of many spins through the real rules, for measuring the machine's return.
//
// The simulated player stakes the same coins every spin, picks bonus chests at random and uses
// nudges by one policy: after a result that paid nothing, nudge the first reel (left to right)
// whose single nudge makes the result pay credits on a covered line or open the bonus game;
// otherwise keep the nudges.

#include <array>
#include <cstdint>

namespace varnholt {

struct SimulationSettings {
    std::int64_t spins = 1000000;
    std::uint32_t seed = 1;
    int coins = 3; // 1, 2 or 3 per spin
};

struct SimulationResult {
    std::int64_t spins = 0;
    std::int64_t coinsStaked = 0;
    std::int64_t creditsWon = 0;   // counted into the credits, nudge and bonus wins included
    std::int64_t winningSpins = 0; // spins whose own result paid credits
    std::int64_t nudgedWins = 0;   // nudges whose result paid credits
    std::int64_t bonusGames = 0;
    std::int64_t nudgesEarned = 0;
    std::int64_t nudgesUsed = 0;
    double returnToPlayer = 0; // creditsWon / coinsStaked
    double returnCi95 = 0;     // half-width of the 95 % confidence interval; 0 below kReturnBatches spins
};

// The spins carry the nudge stock from one to the next, so they are not independent: a stock run
// dry holds the return down for a stretch of spins. The interval is therefore worked out from the
// returns of kReturnBatches consecutive stretches of equal length (batch means), not spin by spin.
inline constexpr int kReturnBatches = 30;

// Half-width of the 95 % interval of the mean of these batch returns (Student's t).
double batchMeansCi95(const std::array<double, kReturnBatches> &batchReturns);

// The machine draws from RandomSource(seed); the player's chest picks come from a second source
// derived from the seed, so the machine's draws follow exactly the order of real play.
SimulationResult simulatePlay(const SimulationSettings &settings);

// The first reel whose single nudge makes the reels at these stops pay credits on a line covered
// by `coins` or open the bonus game, or -1.
int winningNudgeReel(const int (&stops)[3], int coins);

} // namespace varnholt
