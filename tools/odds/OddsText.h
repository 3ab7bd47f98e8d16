#pragma once
// Texts the odds tool and the manual share: the names of the pay table's symbols and exact figures.

#include "odds/ExactOdds.h"

#include <array>
#include <cstdio>
#include <string>

namespace varnholt::odds {

struct SymbolName {
    const char *key;   // for name=value lines
    const char *label; // for tables read by people
};

inline constexpr std::array<SymbolName, 8> kSymbolNames{{
    {"gold_bars", "gold bars"},
    {"knight", "knight"},
    {"horse", "horse"},
    {"gold_shield", "gold shield"},
    {"cross_shield", "cross shield"},
    {"scrolls", "scrolls"},
    {"swords", "swords"},
    {"skull", "skull"},
}};

// "numerator/denominator" in lowest terms, or the whole number alone.
inline std::string exactText(const Fraction &f)
{
    if (f.denominator == 1)
        return std::to_string(f.numerator);
    return std::to_string(f.numerator) + "/" + std::to_string(f.denominator);
}

// Six decimal places, as the name=value lines give every figure that is not exact.
inline std::string decimalText(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

} // namespace varnholt::odds
