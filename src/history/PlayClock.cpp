#include "history/PlayClock.h"

#include "history/PlayHistory.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace varnholt {

namespace {

std::tm localTime(std::int64_t ms)
{
    // Floor division, so a time before 1970 falls into its own second.
    const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return local;
}

std::int64_t midnightMs(std::tm day)
{
    day.tm_hour = 0;
    day.tm_min = 0;
    day.tm_sec = 0;
    day.tm_isdst = -1; // whatever daylight-saving time says on that date
    return static_cast<std::int64_t>(std::mktime(&day)) * 1000;
}

} // namespace

std::int64_t countedGapMs(std::optional<std::int64_t> previousMs, std::int64_t ms)
{
    if (!previousMs)
        return 0;
    return std::clamp<std::int64_t>(ms - *previousMs, 0, kPlayGapCapMs);
}

std::string localDay(std::int64_t ms)
{
    const std::tm local = localTime(ms);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return text;
}

DaySpan localDaySpan(std::int64_t ms)
{
    std::tm day = localTime(ms);
    const std::int64_t start = midnightMs(day);
    ++day.tm_mday; // mktime carries into the next month or year
    return {start, midnightMs(day)};
}

} // namespace varnholt
