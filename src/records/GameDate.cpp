#include "records/GameDate.h"

#include <cstdio>
#include <ctime>

namespace varnholt {

CalendarDate localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string formatGameDate(const CalendarDate &date)
{
    const int year = ((date.year % 100) + 100) % 100;
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", date.month % 100, date.day % 100, year);
    return text;
}

} // namespace varnholt
