#pragma once
// The date stamped on a saved game.

#include <functional>
#include <string>

namespace varnholt {

struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

// Where "today" comes from; tests hand in a fixed date.
using DateSource = std::function<CalendarDate()>;

// Today in the local time zone.
CalendarDate localToday();

// "mm/dd/yy": two-digit month, day and year.
std::string formatGameDate(const CalendarDate &date);

} // namespace varnholt
