#include "records/SavedGames.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnholt;
using varnholt::testing::FileSizeLimit;
using varnholt::testing::readText;
using varnholt::testing::TempFolder;
using varnholt::testing::writeText;

namespace {

class SavedGamesTest : public ::testing::Test {
protected:
    TempFolder folder;
    SavedGameFile file{folder.file("saves/varnholt-slots.ini"), [] { return CalendarDate{2026, 12, 6}; }};

    GameState load(int slot)
    {
        GameState state;
        state.Credits = -1; // proof that the load set it
        EXPECT_TRUE(SaveLoadGame(file, state, slot, false, "").ok());
        return state;
    }

    static GameState sampleState()
    {
        GameState state;
        state.GameName = "ignored on save";
        state.GameDate = "01/01/99";
        state.Credits = 1234;
        state.Borrowed = 500;
        state.Spins = 77;
        state.TotalBets = 150;
        state.BonusWon = 60;
        state.BonusPts = 11;
        state.Nudges = 4;
        return state;
    }
};

} // namespace

TEST(SlotSections, NamedSlotsAndTheGameInProgress)
{
    EXPECT_EQ(slotSection(0), "GameNo1");
    EXPECT_EQ(slotSection(7), "GameNo8");
    EXPECT_EQ(slotSection(8), "CurrentGame");
    EXPECT_EQ(slotSection(-1), "");
    EXPECT_EQ(slotSection(9), "");
}

TEST_F(SavedGamesTest, NoFileGivesTheDefaultGame)
{
    const GameState current = load(kCurrentGameSlot);
    EXPECT_EQ(current.GameName, "CurrentGame");
    EXPECT_EQ(current.GameDate, "12/06/26");
    EXPECT_EQ(current.Credits, 1000);
    EXPECT_EQ(current.Borrowed, 1000);
    EXPECT_EQ(current.Spins, 0);
    EXPECT_EQ(current.TotalBets, 0);
    EXPECT_EQ(current.BonusWon, 0);
    EXPECT_EQ(current.BonusPts, 0);
    EXPECT_EQ(current.Nudges, 0);
    EXPECT_EQ(load(2).GameName, "GameNo3");

    const auto slots = readNamedSlots(file);
    for (int slot = 0; slot < kNamedSlotCount; ++slot) {
        EXPECT_EQ(slots[slot].GameName, "GameNo" + std::to_string(slot + 1));
        EXPECT_EQ(slots[slot].GameDate, "12/06/26");
        EXPECT_EQ(slots[slot].Credits, 1000);
        EXPECT_EQ(slots[slot].Borrowed, 1000);
    }
    EXPECT_FALSE(std::filesystem::exists(file.path)) << "reading must not create the file";
}

TEST_F(SavedGamesTest, SaveThenLoadRoundTripsEverySavedField)
{
    GameState saved = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, saved, 2, true, "My lucky game").ok());
    saved.Credits = INT_MIN;
    saved.Nudges = INT_MAX;
    ASSERT_TRUE(SaveLoadGame(file, saved, 5, true, "Extremes").ok());

    GameState loaded;
    loaded.CoinsBet = 2;
    loaded.ReelStops = {1, 2, 3};
    ASSERT_TRUE(SaveLoadGame(file, loaded, 2, false, "").ok());
    SavedFields expected = savedFieldsOf(sampleState());
    expected.GameName = "My lucky game";
    expected.GameDate = "12/06/26";
    EXPECT_EQ(savedFieldsOf(loaded), expected);
    EXPECT_EQ(loaded.CoinsBet, 2) << "unsaved state is left alone";
    EXPECT_EQ(loaded.ReelStops, (std::array<int, 3>{1, 2, 3}));

    EXPECT_EQ(load(5).Credits, INT_MIN);
    EXPECT_EQ(load(5).Nudges, INT_MAX);
    EXPECT_EQ(readNamedSlots(file)[2], expected);
    EXPECT_EQ(load(3).GameName, "GameNo4") << "other slots stay unsaved";
}

TEST_F(SavedGamesTest, FileHoldsTheKeysInTheirFixedOrder)
{
    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 0, true, "First").ok());
    ASSERT_TRUE(SaveLoadGame(file, state, kCurrentGameSlot, true, "any name").ok());
    EXPECT_EQ(readText(file.path), "[GameNo1]\nGameName=First\nGameDate=12/06/26\nCredits=1234\n"
                                   "Borrowed=500\nSpins=77\nTotalBets=150\nBonusWon=60\n"
                                   "BonusPts=11\nNudges=4\n"
                                   "[CurrentGame]\nGameName=CurrentGame\nGameDate=12/06/26\n"
                                   "Credits=1234\nBorrowed=500\nSpins=77\nTotalBets=150\n"
                                   "BonusWon=60\nBonusPts=11\nNudges=4\n");
}

TEST_F(SavedGamesTest, SavingOverASlotKeepsEverythingElseInTheFile)
{
    std::filesystem::create_directories(folder.file("saves"));
    writeText(file.path, "; my notes\r\n[gameno2]\r\nCREDITS = 5\r\nExtra=kept\r\n\r\n"
                         "[Other]\r\nx=1\r\n");
    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 1, true, "Two").ok());
    EXPECT_EQ(readText(file.path), "; my notes\r\n[gameno2]\r\nCREDITS=1234\r\nExtra=kept\r\n"
                                   "GameName=Two\r\nGameDate=12/06/26\r\nBorrowed=500\r\n"
                                   "Spins=77\r\nTotalBets=150\r\nBonusWon=60\r\nBonusPts=11\r\n"
                                   "Nudges=4\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(SavedGamesTest, NamesAndDatesAreCutOnReadButStoredWhole)
{
    const std::string longName(45, 'N');
    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 0, true, longName).ok());
    EXPECT_NE(readText(file.path).find("GameName=" + longName + "\n"), std::string::npos);
    EXPECT_EQ(load(0).GameName, std::string(30, 'N'));

    ASSERT_TRUE(SaveLoadGame(file, state, 1, true, "").ok());
    EXPECT_EQ(load(1).GameName, "") << "an empty name is not the missing-key default";

    ASSERT_TRUE(SaveLoadGame(file, state, 2, true, "  spaced \"out\"  ").ok());
    EXPECT_EQ(load(2).GameName, "  spaced \"out\"  ");

    writeText(file.path, "[GameNo4]\nGameDate=2026-12-06 10:00\nCredits=0x10\nSpins=abc\n"
                         "Borrowed=$1F\nNudges=99999999999\n");
    const GameState odd = load(3);
    EXPECT_EQ(odd.GameDate, "2026-12-06");
    EXPECT_EQ(odd.Credits, 16);
    EXPECT_EQ(odd.Borrowed, 31);
    EXPECT_EQ(odd.Spins, 0);
    EXPECT_EQ(odd.Nudges, 0);

    writeText(file.path, "[GameNo1]\nCredits=abc\n");
    EXPECT_EQ(load(0).Credits, 1000);
}

TEST_F(SavedGamesTest, DamagedFileGivesDefaultsAndCanBeSavedOver)
{
    std::filesystem::create_directories(folder.file("saves"));
    std::string junk;
    for (int i = 0; i < 100000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    writeText(file.path, junk + "\n[CurrentGame]\nCredits=321\n" + std::string(300000, '=')
                             + "\n[GameNo1]\nSpins=5");
    EXPECT_EQ(load(kCurrentGameSlot).Credits, 321);
    EXPECT_EQ(load(kCurrentGameSlot).Borrowed, 1000);
    EXPECT_EQ(load(0).Spins, 5) << "a last line without a line break still counts";

    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 0, true, "Fresh").ok());
    EXPECT_EQ(load(0).Spins, 77);
    EXPECT_EQ(load(kCurrentGameSlot).Credits, 321);
    EXPECT_EQ(readText(file.path).substr(0, junk.size()), junk) << "foreign bytes are kept";
}

TEST_F(SavedGamesTest, FailedSaveReportsThePathAndLeavesTheFileIntact)
{
    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 0, true, "Kept").ok());
    const std::string before = readText(file.path);

    GameState changed = sampleState();
    changed.Credits = 999999;
    {
        FileSizeLimit limit(100); // the write fails part-way, as on a full disk
        EXPECT_EQ(SaveLoadGame(file, changed, 0, true, "Lost").error,
                  "Unable to write to " + file.path);
    }
    EXPECT_EQ(readText(file.path), before);
    EXPECT_EQ(load(0).GameName, "Kept");

    // A file that exists but cannot be read is never replaced by one holding a single slot.
    std::filesystem::remove(file.path);
    std::filesystem::create_directory(file.path);
    EXPECT_EQ(SaveLoadGame(file, changed, 0, true, "x").error, "Unable to write to " + file.path);
    EXPECT_TRUE(std::filesystem::is_directory(file.path));

    // The folder cannot be created under a plain file.
    writeText(folder.file("blocker"), "");
    const SavedGameFile blocked{folder.file("blocker/game.ini"), file.today};
    EXPECT_EQ(SaveLoadGame(blocked, changed, 0, true, "x").error,
              "Unable to write to " + blocked.path);
}

TEST_F(SavedGamesTest, UnreadableFileIsNotReplacedByASaveOfOneSlot)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    GameState state = sampleState();
    ASSERT_TRUE(SaveLoadGame(file, state, 4, true, "Precious").ok());
    ::chmod(file.path.c_str(), 0200);
    const RecordResult result = SaveLoadGame(file, state, 0, true, "Other");
    ::chmod(file.path.c_str(), 0600);
    EXPECT_EQ(result.error, "Unable to write to " + file.path);
    EXPECT_EQ(load(4).GameName, "Precious");
}

TEST_F(SavedGamesTest, UnknownSlotIsRefusedWithoutTouchingAnything)
{
    GameState state = sampleState();
    EXPECT_FALSE(SaveLoadGame(file, state, 9, true, "x").ok());
    EXPECT_FALSE(SaveLoadGame(file, state, -1, false, "").ok());
    EXPECT_EQ(savedFieldsOf(state), savedFieldsOf(sampleState()));
    EXPECT_FALSE(std::filesystem::exists(file.path));
}
