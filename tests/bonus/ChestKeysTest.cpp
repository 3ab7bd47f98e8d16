#include "bonus/ChestKeys.h"
#include "core/Input.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(ChestKeys, DigitsPickTheChestsInTheirPlacesFromTheLeft)
{
    // Front left, back left, middle, back right, front right.
    EXPECT_EQ(kChestsLeftToRight, (std::array<int, 5>{0, 3, 4, 2, 1}));
    for (int place = 0; place < kChestCount; ++place) {
        BonusPick pick;
        ChestHighlight highlight;
        EXPECT_EQ(pressChestKey(pick, highlight, '1' + place).picked, kChestsLeftToRight[place]);
        EXPECT_TRUE(pick.BoxPicked);
        EXPECT_EQ(pick.chest, kChestsLeftToRight[place]);
    }
    BonusPick pick;
    ChestHighlight highlight;
    EXPECT_FALSE(pressChestKey(pick, highlight, '6').picked);
    EXPECT_FALSE(pressChestKey(pick, highlight, '0').picked);
    EXPECT_FALSE(pick.BoxPicked);
}

TEST(ChestKeys, HighlightMovesRoundTheRowAndPicks)
{
    BonusPick pick;
    ChestHighlight highlight;
    EXPECT_EQ(highlight.chest(), -1);
    EXPECT_TRUE(pressChestKey(pick, highlight, kKeyLeft).highlightMoved);
    EXPECT_EQ(highlight.place, 4) << "from none, Left starts at the right end";
    pressChestKey(pick, highlight, kKeyRight);
    EXPECT_EQ(highlight.place, 0) << "and wraps round";
    pressChestKey(pick, highlight, kKeyRight);
    EXPECT_EQ(highlight.chest(), 3);
    EXPECT_EQ(pressChestKey(pick, highlight, kKeySpace).picked, 3);

    // After the pick nothing moves or picks again.
    const ChestKeyResult late = pressChestKey(pick, highlight, '5');
    EXPECT_FALSE(late.picked || late.highlightMoved);
    EXPECT_EQ(pick.chest, 3);

    // Enter before any highlight first shows it on the leftmost chest.
    BonusPick fresh;
    ChestHighlight none;
    EXPECT_FALSE(pressChestKey(fresh, none, kKeyEnter).picked);
    EXPECT_EQ(none.place, 0);
    EXPECT_EQ(pressChestKey(fresh, none, kKeyEnter).picked, 0);
}
