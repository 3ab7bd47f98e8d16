#include "NudgeFigures.h"

#include <cstdio>
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

std::string nudgeReturnsSource(const NudgeRuns &runs)
{
    std::string source = "// Written by varnholt-help from the machine's simulated play with nudges.\n"
                         "#include \"ui/NudgeReturns.h\"\n\n"
                         "double varnholt::nudgeReturnPercent(int coins)\n{\n"
                         "    constexpr double kPercent[] = {";
    for (const SimulationResult &run : runs) {
        char figure[32];
        std::snprintf(figure, sizeof figure, "%.17g, ", 100.0 * run.returnToPlayer);
        source += figure;
    }
    source += "};\n    return coins >= 1 && coins <= 3 ? kPercent[coins - 1] : 0.0;\n}\n";
    return source;
}

} // namespace varnholt::help
