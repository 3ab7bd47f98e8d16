#include "records/SavedGames.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

class SavedGamesTest : public ::testing::Test {
protected:
    TempFolder folder;
    SavedGameFile file{folder.file("saves/varnholt-slots.ini"), [] { return CalendarDate{2026, 12, 6}; }};

    // Loads into a state whose saved fields all hold junk, so every field must be set.
    SavedFields load(int slot)
    {
        GameState state;
        applySavedFields(state, {"?", "?", -1, -1, -1, -1, -1, -1, -1});
        EXPECT_TRUE(SaveLoadGame(file, state, slot, false, "").ok());
        return savedFieldsOf(state);
    }

    RecordResult save(int slot, std::string_view name, std::int32_t credits = 1234)
    {
        GameState state;
        applySavedFields(state, {"not saved", "01/01/99", credits, 500, 77, 150, 60, 11, 4});
        return SaveLoadGame(file, state, slot, true, name);
    }
};

} // namespace

TEST_F(SavedGamesTest, NoFileGivesTheDefaultGame)
{
    EXPECT_EQ(load(kCurrentGameSlot), (SavedFields{"CurrentGame", "12/06/26", 1000, 1000, 0, 0, 0, 0, 0}));
    for (int slot = 0; slot < kNamedSlotCount; ++slot)
        EXPECT_EQ(load(slot),
                  (SavedFields{"GameNo" + std::to_string(slot + 1), "12/06/26", 1000, 1000, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(file.path)) << "reading must not create the file";
}

TEST_F(SavedGamesTest, SaveThenLoadRoundTripsEverySavedFieldAndNothingElse)
{
    ASSERT_TRUE(save(2, "My lucky game").ok());
    ASSERT_TRUE(save(5, "Extremes", INT_MIN).ok());
    EXPECT_EQ(load(2), (SavedFields{"My lucky game", "12/06/26", 1234, 500, 77, 150, 60, 11, 4}));
    EXPECT_EQ(load(5).Credits, INT_MIN);
    EXPECT_EQ(load(3).GameName, "GameNo4") << "other slots stay unsaved";

    GameState state;
    state.CoinsBet = 2;
    state.ReelStops = {1, 2, 3};
    ASSERT_TRUE(SaveLoadGame(file, state, 2, false, "").ok());
    EXPECT_EQ(state.CoinsBet, 2);
    EXPECT_EQ(state.ReelStops, (std::array<int, 3>{1, 2, 3}));
}

TEST_F(SavedGamesTest, FileHoldsTheKeysInTheirFixedOrder)
{
    ASSERT_TRUE(save(0, "First").ok());
    ASSERT_TRUE(save(kCurrentGameSlot, "any name").ok()); // always stored as "CurrentGame"
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
    ASSERT_TRUE(save(1, "Two").ok());
    EXPECT_EQ(readText(file.path), "; my notes\r\n[gameno2]\r\nCREDITS=1234\r\nExtra=kept\r\n"
                                   "GameName=Two\r\nGameDate=12/06/26\r\nBorrowed=500\r\n"
                                   "Spins=77\r\nTotalBets=150\r\nBonusWon=60\r\nBonusPts=11\r\n"
                                   "Nudges=4\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(SavedGamesTest, NamesAndDatesAreCutOnReadAndOddValuesTakeDefaults)
{
    const std::string longName(45, 'N');
    ASSERT_TRUE(save(0, longName).ok());
    EXPECT_NE(readText(file.path).find("GameName=" + longName + "\n"), std::string::npos);
    EXPECT_EQ(load(0).GameName, std::string(30, 'N'));
    ASSERT_TRUE(save(1, "").ok());
    EXPECT_EQ(load(1).GameName, "") << "an empty name is not the missing-key default";
    ASSERT_TRUE(save(2, "  spaced \"out\"  ").ok());
    EXPECT_EQ(load(2).GameName, "  spaced \"out\"  ");

    writeText(file.path, "[GameNo4]\nGameDate=2026-12-06 10:00\nCredits=0x10\nSpins=abc\n"
                         "Borrowed=$1F\nNudges=99999999999\n");
    EXPECT_EQ(load(3), (SavedFields{"GameNo4", "2026-12-06", 16, 31, 0, 0, 0, 0, 0}));

    // A NUL or other control character reads as the space a save writes for it.
    using namespace std::string_literals;
    writeText(file.path, "[GameNo1]\nGameName=a\x01"
                         "b\nGameDate=12\0/06/26\n"s);
    EXPECT_EQ(load(0).GameName, "a b");
    EXPECT_EQ(load(0).GameDate, "12 /06/26");
}

TEST_F(SavedGamesTest, DamagedFileGivesDefaultsAndCanBeSavedOver)
{
    std::filesystem::create_directories(folder.file("saves"));
    std::string junk;
    for (int i = 0; i < 100000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    writeText(file.path,
              junk + "\n[CurrentGame]\nCredits=321\n" + std::string(300000, '=') + "\n[GameNo1]\nSpins=5");
    EXPECT_EQ(load(kCurrentGameSlot).Credits, 321);
    EXPECT_EQ(load(kCurrentGameSlot).Borrowed, 1000);
    EXPECT_EQ(load(0).Spins, 5) << "a last line without a line break still counts";

    ASSERT_TRUE(save(0, "Fresh").ok());
    EXPECT_EQ(load(0).Spins, 77);
    EXPECT_EQ(load(kCurrentGameSlot).Credits, 321);
    EXPECT_EQ(readText(file.path).substr(0, junk.size()), junk) << "foreign bytes are kept";
}

TEST_F(SavedGamesTest, FailedSaveReportsThePathAndLeavesTheFileIntact)
{
    ASSERT_TRUE(save(0, "Kept").ok());
    const std::string before = readText(file.path);
    {
        FileSizeLimit limit(100); // the write fails part-way, as on a full disk
        EXPECT_EQ(save(0, "Lost", 999999).error, "Unable to write to " + file.path);
    }
    EXPECT_EQ(readText(file.path), before);

    const SavedGameFile blocked{folder.file("saves/varnholt-slots.ini/x/game.ini"), file.today};
    GameState state;
    EXPECT_EQ(SaveLoadGame(blocked, state, 0, true, "x").error, "Unable to write to " + blocked.path);
    EXPECT_FALSE(SaveLoadGame(file, state, 9, true, "x").ok()) << "no such slot";
    EXPECT_EQ(readText(file.path), before);
}

TEST_F(SavedGamesTest, UnreadableFileIsNotReplacedByASaveOfOneSlot)
{
    ASSERT_TRUE(save(4, "Precious").ok());
    const std::string expected = "Unable to write to " + file.path;
    if (::geteuid() != 0) {
        ::chmod(file.path.c_str(), 0200);
        const RecordResult result = save(0, "Other");
        ::chmod(file.path.c_str(), 0600);
        EXPECT_EQ(result.error, expected);
    } else {
        // Permissions do not bind the superuser: an ordinary account makes the save, in a
        // folder it may write to, over a file it owns but may not read.
        const passwd *account = ::getpwnam("nobody");
        if (account == nullptr)
            GTEST_SKIP() << "no unprivileged account to save as";
        ::chmod(folder.path().c_str(), 0711);
        ::chmod(folder.file("saves").c_str(), 0777);
        ASSERT_EQ(::chown(file.path.c_str(), account->pw_uid, account->pw_gid), 0);
        ::chmod(file.path.c_str(), 0200);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(account->pw_gid) != 0 || ::setuid(account->pw_uid) != 0)
                ::_exit(2);
            ::_exit(save(0, "Other").error == expected ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save was not refused; 2: could not change account";
    }
    EXPECT_EQ(load(4).GameName, "Precious");
}
