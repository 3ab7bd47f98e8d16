#pragma once
// Local calendar days and the rule for time played.

#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// The time a record adds to the time played: the pause since the previous record (of any game),
// capped at kPlayGapCapMs, so a machine left standing counts for a few minutes, not for hours.
// The first record ever adds nothing; a clock set back adds nothing.
std::int64_t countedGapMs(std::optional<std::int64_t> previousMs, std::int64_t ms);

// "YYYY-MM-DD" of the local calendar date at `ms`.
std::string localDay(std::int64_t ms);

// The local calendar day holding `ms`: [startMs, endMs).
struct DaySpan {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    bool holds(std::int64_t ms) const { return ms >= startMs && ms < endMs; }
};
DaySpan localDaySpan(std::int64_t ms);

} // namespace varnholt
