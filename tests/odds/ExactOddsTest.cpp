#include "odds/ExactOdds.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(ExactOdds, FiguresOverAllStopCombinations)
{
    const ExactOdds odds = computeExactOdds();
    EXPECT_EQ(odds.combinations, 27000);
    EXPECT_EQ(odds.payingCombinations, 581);
    EXPECT_EQ(odds.meanLinePay.numerator, 3947);
    EXPECT_EQ(odds.meanLinePay.denominator, 13500);
    EXPECT_EQ(odds.threeBonusPerRow, 18);
    EXPECT_EQ(odds.bonusWildPerRow, 18);

    int combos = 0;
    std::int64_t credits = 0;
    for (const SymbolPays &entry : odds.paysBySymbol) {
        combos += entry.combinations;
        credits += entry.credits;
        EXPECT_EQ(entry.credits, std::int64_t(entry.combinations) * entry.pays);
    }
    EXPECT_EQ(combos, 581);
    EXPECT_EQ(credits, odds.linePayTotal);

    // The bonus game is worth (100 + 50 + 25 + 25) / 5 credits; Bonus, Bonus, Bonus opens it on
    // every row and Bonus, Bonus, Wild on each covered one, never both at once.
    EXPECT_EQ(odds.meanBonusPrize.numerator, 40);
    EXPECT_EQ(odds.meanBonusPrize.denominator, 1);
    for (int coins = 1; coins <= 3; ++coins) {
        const CoinFigures &f = odds.byCoins[coins - 1];
        EXPECT_EQ(f.bonusCombinations, 54 + 18 * coins);
        const Fraction rtp = reduced(std::int64_t(coins) * 7894 + 40 * (54 + 18 * coins), 27000LL * coins);
        EXPECT_EQ(f.returnToPlayer.numerator, rtp.numerator) << coins;
        EXPECT_EQ(f.returnToPlayer.denominator, rtp.denominator) << coins;
    }
    EXPECT_NEAR(odds.byCoins[0].returnToPlayer.value(), 0.399037, 1e-6);
    EXPECT_NEAR(odds.byCoins[2].returnToPlayer.value(), 0.345704, 1e-6);
}
