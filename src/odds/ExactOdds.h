#pragma once
// The machine's exact figures over all 27 000 equally likely stop combinations.

#include "core/PayTable.h"

#include <array>
#include <cstdint>

namespace varnholt {

struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    double value() const { return double(numerator) / double(denominator); }
};

// Lowest terms, denominator positive.
Fraction reduced(std::int64_t numerator, std::int64_t denominator);

struct SymbolPays {
    int symbol = 0;
    int pays = 0;             // credits per line
    int combinations = 0;     // combinations paying it on one line
    int wildCombinations = 0; // of those, completed by the Wild
    std::int64_t credits = 0; // credits it pays over all combinations
};

struct CoinFigures {
    int coins = 0;
    int bonusCombinations = 0; // combinations that open the bonus game
    Fraction hitFrequency;     // chance a spin pays credits (bonus credit prizes included)
    Fraction bonusFrequency;   // chance a spin opens the bonus game
    Fraction returnToPlayer;   // credits back per coin, bonus valued at the mean prize, no nudges
};

struct ExactOdds {
    int combinations = 0;
    int payingCombinations = 0; // for one played line
    std::int64_t linePayTotal = 0;
    Fraction meanLinePay; // credits per line per spin
    std::array<SymbolPays, PayTable.size()> paysBySymbol{};
    int threeBonusPerRow = 0; // Bonus, Bonus, Bonus on a given row
    int bonusWildPerRow = 0;  // Bonus, Bonus, Wild on a given row
    Fraction meanBonusPrize;  // credits; the nudge prize counts as 0
    std::array<CoinFigures, 3> byCoins{};
};

ExactOdds computeExactOdds();

} // namespace varnholt
