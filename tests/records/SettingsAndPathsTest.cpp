#include "records/GameDate.h"
#include "records/RecordPaths.h"
#include "records/Settings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace varnholt;
using namespace varnholt::testing;

TEST(ProgramPaths, StemAndFolderOfTheProgramFile)
{
    EXPECT_EQ(exeStemFromPath("/opt/games/varnholt-slots"), "varnholt-slots");
    EXPECT_EQ(exeStemFromPath("/opt/v1.2/Varnholt.EXE"), "Varnholt");
    EXPECT_EQ(exeStemFromPath("/opt/games/.exe"), "varnholt-slots");
    EXPECT_EQ(exeDirFromPath("/opt/games/varnholt-slots"), "/opt/games/");
    EXPECT_EQ(exeDirFromPath("varnholt-slots"), "./");
}

TEST(ProgramPaths, SavedGameFileLivesInTheDataFolderByTheXdgRule)
{
    EXPECT_EQ(dataHomeFrom("/data/alice", "/home/alice"), "/data/alice");
    EXPECT_EQ(dataHomeFrom("relative/dir", "/home/alice"), "/home/alice/.local/share");
    EXPECT_EQ(dataHomeFrom(nullptr, "/home/alice"), "/home/alice/.local/share");
    EXPECT_EQ(dataHomeFrom(nullptr, ""), "");

    TempFolder folder;
    const char *old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    const std::string path = savedGamePath("varnholt-slots");
    if (old)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(path, (folder.path() / "varnholt-slots" / "varnholt-slots.ini").string());
}

TEST(GameDates, TwoDigitMonthDayYear)
{
    EXPECT_EQ(formatGameDate({2026, 12, 6}), "12/06/26");
    EXPECT_EQ(formatGameDate({2000, 1, 31}), "01/31/00");
}

TEST(SettingsFile, EachKeyReplacesItsValueAlone)
{
    TempFolder folder;
    const std::string dir = folder.path().string() + "/";
    EXPECT_EQ(ReadSettings(dir).WindowTitle, "Varnholt Slots");
    EXPECT_EQ(ReadSettings(dir, {"Abc", "Custom"}).WindowTitle, "Custom");

    writeText(dir + "Testing.ini", "[Settings]\nAboutName=" + std::string(40, 'T') + "\n");
    Settings settings = ReadSettings(dir);
    EXPECT_EQ(settings.WindowTitle, std::string(30, 'T'));
    EXPECT_EQ(settings.AssetPrefix, "Vrn");

    writeText(dir + "Testing.ini", "[Other]\nAboutName=No\n[settings]\r\nsoundroot=\r\n");
    settings = ReadSettings(dir);
    EXPECT_EQ(settings.AssetPrefix, "") << "an empty prefix is taken as written";
    EXPECT_EQ(settings.WindowTitle, "Varnholt Slots");
}

TEST(SettingsFile, FileNameIsMatchedRegardlessOfCase)
{
    TempFolder folder;
    writeText(folder.file("TESTING.INI"), "[Settings]\nSoundRoot=Gl\n");
    EXPECT_EQ(ReadSettings(folder.path().string()).AssetPrefix, "Gl");

    TempFolder other;
    std::filesystem::create_directory(other.file("testing.ini"));
    EXPECT_EQ(ReadSettings(other.path().string()).AssetPrefix, "Vrn") << "a folder is no file";
}
