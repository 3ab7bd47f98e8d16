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

TEST(SpokenResult, OtherWordsKeepTheirOwnOrder)
{
    // A language may put the second name first; the numbers and names go where its words say.
    PlayWords words;
    words.wonMany = "%1 gewonnen";
    words.rows = {"oben", "mitte", "unten"};
    words.twoLines = " (%2 und %1)";
    words.counts[2] = "zwei";
    words.nudgesWonMany = "%1 Nudges";
    PlayResult two;
    two.paidLines = {true, false, true};
    two.lineCredits = 30;
    two.nudgesWon = 2;
    EXPECT_EQ(describePlayResult(two, words), "30 gewonnen (unten und mitte). Zwei Nudges.");
}
