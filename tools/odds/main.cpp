// varnholt-odds: the machine's exact figures and simulated play.

#include "OddsOptions.h"
#include "OddsReport.h"

#include <chrono>
#include <iostream>

using namespace varnholt;
using namespace varnholt::odds;

int main(int argc, char **argv)
{
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "varnholt-odds: " << parsed.error << '\n' << kUsage;
        return 2;
    }
    const Options &options = *parsed.options;
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }

    const ExactOdds odds = computeExactOdds();
    std::optional<SimulatedRun> run;
    if (options.simulation.spins > 0) {
        const auto started = std::chrono::steady_clock::now();
        const SimulationResult result = simulatePlay(options.simulation);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        run = SimulatedRun{options.simulation, result, elapsed.count()};
    }

    if (options.format == Format::KeyValue)
        printKeyValue(std::cout, odds, run);
    else
        printTable(std::cout, odds, run);
    return std::cout.good() ? 0 : 1;
}
