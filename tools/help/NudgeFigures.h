#pragma once
// The manual's figures with nudges: the odds tool's simulated play, once per coin count, with a
// fixed seed and enough spins that every 95 % interval is narrower than one point either side.

#include "odds/PlaySimulator.h"

#include <array>
#include <cstdint>
#include <string>

namespace varnholt::help {

inline constexpr std::int64_t kNudgeSpins = 8'000'000;
inline constexpr std::uint32_t kNudgeSeed = 1;

// Entry i is the play of i + 1 coins a spin.
using NudgeRuns = std::array<SimulationResult, 3>;

// The three runs side by side, each on a thread of its own: the manual is written in every build.
NudgeRuns simulateNudgePlay();

// A C++ source defining nudgeReturnPercent() from the runs, so the game's History window shows
// the same figures as the manual.
std::string nudgeReturnsSource(const NudgeRuns &runs);

} // namespace varnholt::help
