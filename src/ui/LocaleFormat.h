#pragma once
// Numbers and dates in the player's locale, for what windows show. English and the C locale keep
// the game's own forms (digits ungrouped, dates as "mm/dd/yy"); files never use these.

#include <QString>

#include <cstdint>
#include <string>

namespace varnholt {

// A whole number: "1000" in English, "1.000" in German.
QString shownInteger(std::int64_t value);

// A saved game's "mm/dd/yy" date in the locale's short form; any other text as it stands.
QString shownGameDate(const std::string &gameDate);

} // namespace varnholt
