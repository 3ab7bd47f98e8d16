#include "records/IniValues.h"

#include <limits>

namespace varnholt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

bool isQuote(char c) { return c == '"' || c == '\''; }

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

std::string_view unquoteValue(std::string_view value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string cutToCharacters(std::string_view text, std::size_t limit)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == limit)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::int32_t parseIniInteger(std::string_view text, std::int32_t fallback)
{
    int base = 10;
    bool negative = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else {
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            negative = text.front() == '-';
            text.remove_prefix(1);
        }
        if (!text.empty() && text.front() == '$') {
            base = 16;
            text.remove_prefix(1);
        }
    }
    if (text.empty())
        return fallback;

    // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit any more.
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::int64_t(std::numeric_limits<std::int32_t>::max());
    std::int64_t magnitude = 0;
    for (char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return fallback;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return fallback;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string oneLineText(std::string_view text)
{
    std::string line(text);
    for (char &c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            c = ' ';
    return line;
}

std::string encodeIniValue(std::string_view value)
{
    const std::string line = oneLineText(value);
    const bool wouldTrim = !line.empty() && (isBlank(line.front()) || isBlank(line.back()));
    const bool wouldUnquote = unquoteValue(line).size() != line.size();
    if (wouldTrim || wouldUnquote)
        return '"' + line + '"';
    return line;
}

} // namespace varnholt
