#include "OddsOptions.h"

#include <charconv>
#include <cstdint>

namespace varnholt::odds {

const char *const kUsage =
    "Usage: varnholt-odds [--format=table|keyvalue] [--spins N] [--seed S] [--coins 1|2|3]\n"
    "Prints the machine's exact figures over all 27000 stop combinations and, with --spins,\n"
    "the results of N simulated spins.\n";

namespace {

// A whole number in [low, high], nothing else in the text.
template <class Integer>
std::optional<Integer> wholeNumber(const std::string &text, Integer low, Integer high)
{
    Integer value{};
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string> &arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name != "--format" && name != "--spins" && name != "--seed" && name != "--coins")
            return {std::nullopt, "unknown argument '" + arguments[i] + "'"};
        if (!value) {
            if (i + 1 >= arguments.size())
                return {std::nullopt, name + " needs a value"};
            value = arguments[++i];
        }

        if (name == "--format") {
            if (*value == "table")
                options.format = Format::Table;
            else if (*value == "keyvalue")
                options.format = Format::KeyValue;
            else
                return {std::nullopt, "--format must be table or keyvalue, not '" + *value + "'"};
        } else if (name == "--spins") {
            const auto spins = wholeNumber<std::int64_t>(*value, 0, 1'000'000'000'000LL);
            if (!spins)
                return {std::nullopt,
                        "--spins must be a whole number from 0 to 1000000000000, not '" + *value + "'"};
            options.simulation.spins = *spins;
        } else if (name == "--seed") {
            const auto seed = wholeNumber<std::uint32_t>(*value, 0, UINT32_MAX);
            if (!seed)
                return {std::nullopt,
                        "--seed must be a whole number from 0 to 4294967295, not '" + *value + "'"};
            options.simulation.seed = *seed;
        } else {
            const auto coins = wholeNumber<int>(*value, 1, 3);
            if (!coins)
                return {std::nullopt, "--coins must be 1, 2 or 3, not '" + *value + "'"};
            options.simulation.coins = *coins;
        }
    }
    return {options, {}};
}

} // namespace varnholt::odds
