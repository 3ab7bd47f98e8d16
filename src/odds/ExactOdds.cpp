#include "odds/ExactOdds.h"

#include "bonus/BonusPrizes.h"
#include "bonus/BonusTrigger.h"

#include <numeric>

namespace varnholt {

Fraction reduced(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t divisor = std::gcd(numerator, denominator);
    if (divisor > 1) {
        numerator /= divisor;
        denominator /= divisor;
    }
    return {numerator, denominator};
}

namespace {

template <class Visit> void forEachCombination(Visit visit)
{
    for (int a = 1; a <= kStripLength; ++a)
        for (int b = 1; b <= kStripLength; ++b)
            for (int c = 1; c <= kStripLength; ++c)
                visit(visibleSymbols({a, b, c}));
}

} // namespace

ExactOdds computeExactOdds()
{
    ExactOdds odds;
    for (std::size_t i = 0; i < PayTable.size(); ++i) {
        odds.paysBySymbol[i].symbol = PayTable[i].symbol;
        odds.paysBySymbol[i].pays = PayTable[i].pays;
    }

    std::int64_t prizeCreditsTotal = 0;
    int creditPrizes = 0;
    for (const std::int32_t prize : kUndealtPrizes) {
        prizeCreditsTotal += prizeCredits(prize);
        creditPrizes += prize != kNudgePrize;
    }
    odds.meanBonusPrize = reduced(prizeCreditsTotal, kChestCount);

    // Per stake: pays over played lines, combinations with a paying line, bonus openings, and
    // bonus openings with no paying line (those pay only when a credit prize is picked).
    std::array<std::int64_t, 3> paid{}, paying{}, bonus{}, bonusOnly{};

    forEachCombination([&](const VisibleSymbols &rows) {
        ++odds.combinations;
        const auto &middle = rows[kLineRows[0]];
        if (const int pays = linePays(middle[0], middle[1], middle[2]); pays > 0) {
            ++odds.payingCombinations;
            odds.linePayTotal += pays;
            for (auto &entry : odds.paysBySymbol)
                if (entry.symbol == middle[0]) {
                    ++entry.combinations;
                    entry.wildCombinations += middle[2] == Wild;
                    entry.credits += pays;
                }
        }
        odds.threeBonusPerRow +=
            middle[0] == BonusSymbol && middle[1] == BonusSymbol && middle[2] == BonusSymbol;
        odds.bonusWildPerRow += middle[0] == BonusSymbol && middle[1] == BonusSymbol && middle[2] == Wild;

        for (int coins = 1; coins <= 3; ++coins) {
            int total = 0;
            bool opens = false;
            for (int line = 0; line < kLineCount; ++line) {
                const auto &s = rows[kLineRows[line]];
                const bool played = linePlayed(line, coins);
                if (played)
                    total += linePays(s[0], s[1], s[2]);
                opens = opens || triggersBonus(s[0], s[1], s[2], played);
            }
            paid[coins - 1] += total;
            paying[coins - 1] += total > 0;
            bonus[coins - 1] += opens;
            bonusOnly[coins - 1] += opens && total == 0;
        }
    });

    odds.meanLinePay = reduced(odds.linePayTotal, odds.combinations);
    for (int coins = 1; coins <= 3; ++coins) {
        const int i = coins - 1;
        CoinFigures &f = odds.byCoins[i];
        f.coins = coins;
        f.bonusCombinations = int(bonus[i]);
        f.hitFrequency = reduced(paying[i] * kChestCount + bonusOnly[i] * creditPrizes,
                                 std::int64_t(odds.combinations) * kChestCount);
        f.bonusFrequency = reduced(bonus[i], odds.combinations);
        f.returnToPlayer = reduced(paid[i] * kChestCount + bonus[i] * prizeCreditsTotal,
                                   std::int64_t(odds.combinations) * kChestCount * coins);
    }
    return odds;
}

} // namespace varnholt
