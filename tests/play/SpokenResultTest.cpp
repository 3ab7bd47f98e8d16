// The sentences a screen reader speaks for the reels and for each result.

#include "play/SpokenResult.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(SpokenResult, ReelsReadTopToBottomByName)
{
    // Reel 1's strip starts 0, 1, 2: gold bars, knight, horse; the Wild's extra frames read as Wild.
    EXPECT_EQ(reelSymbolsText(0, 1), "gold bars, knight, horse");
    EXPECT_EQ(reelSymbolsText(0, 30), "skull, gold bars, knight") << "wraps from 30 to 1";
    EXPECT_EQ(symbolName(WildFrameC), "Wild");
    EXPECT_EQ(symbolName(BonusSymbol), "Bonus");
}

TEST(SpokenResult, LossesWinsAndNudges)
{
    EXPECT_EQ(describePlayResult({}), "No win.");
    EXPECT_EQ(describePlayResult({.nudgesToUse = 1}), "No win. 1 nudge to use: press 1, 2 or 3.");

    PlayResult top;
    top.paidLines[1] = true;
    top.lineCredits = 20;
    EXPECT_EQ(describePlayResult(top), "Won 20 credits on the top line.");

    // Lines read top to bottom whatever order they were bought in.
    PlayResult two = top;
    two.paidLines = {true, false, true};
    two.lineCredits = 30;
    two.nudgesWon = 2;
    EXPECT_EQ(describePlayResult(two), "Won 30 credits on the middle and bottom lines. Two nudges won.");
    two.paidLines = {true, true, true};
    EXPECT_EQ(describePlayResult(two), "Won 30 credits on all three lines. Two nudges won.");
}

TEST(SpokenResult, VaultPrizes)
{
    PlayResult vault;
    vault.vaultCredits = 50;
    EXPECT_EQ(describePlayResult(vault), "Won 50 credits from the vault.");
    vault.paidLines[0] = true;
    vault.lineCredits = 5;
    EXPECT_EQ(describePlayResult(vault), "Won 55 credits on the middle line and 50 from the vault.");

    PlayResult nudges;
    nudges.vaultNudges = 6;
    EXPECT_EQ(describePlayResult(nudges), "The vault gave six nudges.") << "not a loss";
}

TEST(SpokenResult, EachSentenceIsHandedOverWhole)
{
    // A language gets the sentence's numbers and the set of rows at once, and words it as it must.
    PlayWords words = englishPlayWords();
    words.won = [](std::int32_t credits, PaidRows rows, std::int32_t vault) {
        return std::to_string(credits) +
               (rows == PaidRows::MiddleBottom ? " Credits unten und mitte" : " ?") +
               (vault > 0 ? " +" + std::to_string(vault) : "") + " gewonnen.";
    };
    words.nudgesWon = [](std::int32_t n) { return std::to_string(n) + " Nudges gewonnen."; };
    PlayResult two;
    two.paidLines = {true, false, true};
    two.lineCredits = 30;
    two.nudgesWon = 2;
    EXPECT_EQ(describePlayResult(two, words), "30 Credits unten und mitte gewonnen. 2 Nudges gewonnen.");
    two.vaultCredits = 1;
    two.lineCredits = 0;
    two.nudgesWon = 0;
    EXPECT_EQ(describePlayResult(two, words), "1 ? +1 gewonnen.") << "the vault alone names no rows";
}
