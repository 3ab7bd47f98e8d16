#include "NudgeFigures.h"

#include <future>

namespace varnholt::help {

NudgeRuns simulateNudgePlay()
{
    std::array<std::future<SimulationResult>, 3> running;
    for (int coins = 1; coins <= 3; ++coins)
        running[std::size_t(coins - 1)] =
            std::async(std::launch::async, simulatePlay, SimulationSettings{kNudgeSpins, kNudgeSeed, coins});
    NudgeRuns runs;
    for (std::size_t i = 0; i < runs.size(); ++i)
        runs[i] = running[i].get();
    return runs;
}

} // namespace varnholt::help
