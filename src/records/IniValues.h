#pragma once
// How single names and values of an INI file are read and written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

// Longest string value a read returns, in characters.
inline constexpr std::size_t kIniValueLimit = 2047;

// The text without leading and trailing blanks (spaces and tabs).
std::string_view trimBlanks(std::string_view text);

// ASCII comparison without regard to letter case, as section and key names are matched.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A value enclosed in a matching pair of single or double quotes loses that pair.
std::string_view unquoteValue(std::string_view value);

// The first `limit` characters of UTF-8 text; a character is never split.
std::string cutToCharacters(std::string_view text, std::size_t limit);

// A decimal integer with optional sign, "$" hexadecimal (sign allowed before the "$"), or
// "0x"/"0X" hexadecimal when the text is longer than two characters. Anything else, or a
// value outside the 32-bit signed range, gives `fallback`.
std::int32_t parseIniInteger(std::string_view text, std::int32_t fallback);

// The text with line breaks and other control characters (a NUL pasted into a name) turned
// into spaces: what a value can hold, since a value is one line of text.
std::string oneLineText(std::string_view text);

// The text to put after "key=" so that a read gives back exactly `oneLineText(value)`: a value
// that reading would trim or unquote is quoted.
std::string encodeIniValue(std::string_view value);

} // namespace varnholt
