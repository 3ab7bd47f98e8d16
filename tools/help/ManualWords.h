#pragma once
// The manual's own words around the figures, per language. Texts with {1}, {2} ... take the
// values fill() is given, so each language orders its sentence as it needs.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace varnholt::help {

struct ManualWords {
    const char *language;                // "en", "de", "fr", "es"
    const char *opening;                 // the document up to <body>, with its <title>
    char decimalPoint;                   // '.' or ','
    const char *thousands;               // between groups of three digits
    const char *percent;                 // after a percentage, with its space
    std::array<const char *, 8> symbols; // by symbol code: gold bars ... skull
    const char *paysLine;                // {1}: the symbol
    const char *credits;                 // {1}: how many
    const char *oneCoin;
    const char *coins; // {1}: how many
    const char *oneIn; // {1}: spins per hit
    const char *never;
    const char *oneInExactly; // {1}: oneIn's text; {2}: the exact fraction
    const char *exactly;      // {1}: the exact fraction
    const char *payTableHead;
    const char *oddsHead;
    const char *paysBySymbol; // {1}: the stop combinations
    const char *paysHead;
    const char *vault; // {1}, {2}: combinations per row; {3}: mean prize
    const char *nudgeHead;
    const char *perCoin;
    const char *nudgePlay; // {1}: spins; {2}: seed
    const char *aheadAlways;
    const char *firstCoinBest;
};

// The words of a language the manual is written in; nothing for any other.
const ManualWords *manualWords(std::string_view language);

// text with {1}, {2} ... replaced by the values in order.
std::string fill(std::string text, std::initializer_list<std::string> values);

} // namespace varnholt::help
