#include "core/Statistics.h"
#include "core/Borrowing.h"
#include "core/NewGame.h"

#include <gtest/gtest.h>

#include <limits>

using namespace varnholt;

TEST(Statistics, PayoffsSplitIntoNormalAndBonusAndIgnoreBorrowing)
{
    GameState game;
    NewGame(game);
    GameStatistics figures = gameStatistics(game);
    EXPECT_EQ(figures.payoffs, 0);
    EXPECT_EQ(figures.normalPayoffs, 0);
    EXPECT_EQ(formatPercentage(figures.payoffPercentage), "0.00%");

    game.TotalBets = 200;
    game.Credits = 950;
    game.BonusWon = 20;
    figures = gameStatistics(game);
    EXPECT_EQ(figures.payoffs, 150);
    EXPECT_EQ(figures.normalPayoffs, 130);
    EXPECT_EQ(formatPercentage(figures.payoffPercentage), "75.00%");

    ASSERT_TRUE(borrow(game, 500).done);
    EXPECT_EQ(gameStatistics(game).payoffs, 150);
    EXPECT_EQ(formatPercentage(gameStatistics(game).payoffPercentage), "75.00%");

    game.Credits = 1051; // 251 paid out on 200 bet
    game.Borrowed = 1000;
    EXPECT_EQ(formatPercentage(gameStatistics(game).payoffPercentage), "125.50%");
}

TEST(Statistics, NoFigureOverflowsNearTheCounterLimit)
{
    GameState game;
    game.Credits = kCounterLimit;
    game.Borrowed = std::numeric_limits<std::int32_t>::min();
    game.TotalBets = kCounterLimit;
    game.BonusWon = std::numeric_limits<std::int32_t>::min();
    const GameStatistics figures = gameStatistics(game);
    EXPECT_EQ(figures.payoffs, 6442450942);
    EXPECT_EQ(figures.normalPayoffs, 8589934590);
    EXPECT_EQ(formatGrouped(figures.normalPayoffs, ","), "8,589,934,590");
    EXPECT_EQ(formatPercentage(gameStatistics(game).payoffPercentage), "300.00%");

    game.TotalBets = -5; // nothing to divide by
    EXPECT_EQ(gameStatistics(game).payoffPercentage, 0.0);
}

TEST(Statistics, GroupedFiguresFillTenCharactersWithTheGivenSeparator)
{
    EXPECT_EQ(formatGrouped(0, ","), "         0");
    EXPECT_EQ(formatGrouped(999, ","), "       999");
    EXPECT_EQ(formatGrouped(1000, ","), "     1,000");
    EXPECT_EQ(formatGrouped(1000, "."), "     1.000");
    EXPECT_EQ(formatGrouped(-1234567, ","), "-1,234,567");
    EXPECT_EQ(formatGrouped(std::numeric_limits<std::int64_t>::min(), ","), "-9,223,372,036,854,775,808");
    // A separator of several bytes (a narrow no-break space) still counts as one character.
    EXPECT_EQ(formatGrouped(1000, "\u202f"), "     1\u202f000");
    EXPECT_EQ(formatGrouped(1000, ""), "      1000");
}
