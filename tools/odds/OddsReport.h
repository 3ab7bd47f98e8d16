#pragma once
// Printing the machine's figures as a readable table or as name=value lines.

#include "odds/ExactOdds.h"
#include "odds/PlaySimulator.h"

#include <optional>
#include <ostream>

namespace varnholt::odds {

struct SimulatedRun {
    SimulationSettings settings;
    SimulationResult result;
    double seconds = 0; // wall time of the play
};

void printKeyValue(std::ostream &out, const ExactOdds &odds, const std::optional<SimulatedRun> &run);
void printTable(std::ostream &out, const ExactOdds &odds, const std::optional<SimulatedRun> &run);

} // namespace varnholt::odds
