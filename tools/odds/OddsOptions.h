#pragma once
// Command line of the odds tool.

#include "odds/PlaySimulator.h"

#include <optional>
#include <string>
#include <vector>

namespace varnholt::odds {

enum class Format { Table, KeyValue };

struct Options {
    Format format = Format::Table;
    SimulationSettings simulation{0, 1, 3}; // no simulated play unless --spins asks for it
    bool help = false;
};

// The options, or an error message naming the argument at fault.
struct ParsedOptions {
    std::optional<Options> options;
    std::string error;
};

ParsedOptions parseOptions(const std::vector<std::string> &arguments);

extern const char *const kUsage;

} // namespace varnholt::odds
