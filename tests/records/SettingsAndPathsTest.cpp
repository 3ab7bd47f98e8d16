#include "records/GameDate.h"
#include "records/RecordPaths.h"
#include "records/Settings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace varnholt;
using varnholt::testing::TempFolder;
using varnholt::testing::writeText;

namespace {

// Sets an environment variable for one scope and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ProgramPaths, StemAndFolderOfTheProgramFile)
{
    EXPECT_EQ(exeStemFromPath("/opt/games/varnholt-slots"), "varnholt-slots");
    EXPECT_EQ(exeStemFromPath("/opt/games/Varnholt.EXE"), "Varnholt");
    EXPECT_EQ(exeStemFromPath("slots.exe"), "slots");
    EXPECT_EQ(exeStemFromPath("/opt/v1.2/slots"), "slots") << "only a trailing .exe goes";
    EXPECT_EQ(exeStemFromPath("/opt/games/.exe"), "varnholt-slots");
    EXPECT_EQ(exeStemFromPath(""), "varnholt-slots");

    EXPECT_EQ(exeDirFromPath("/opt/games/varnholt-slots"), "/opt/games/");
    EXPECT_EQ(exeDirFromPath("/varnholt-slots"), "/");
    EXPECT_EQ(exeDirFromPath("varnholt-slots"), "./");
}

TEST(ProgramPaths, DataHomeFollowsTheXdgRule)
{
    EXPECT_EQ(dataHomeFrom("/data/alice", "/home/alice"), "/data/alice");
    EXPECT_EQ(dataHomeFrom("relative/dir", "/home/alice"), "/home/alice/.local/share");
    EXPECT_EQ(dataHomeFrom("", "/home/alice"), "/home/alice/.local/share");
    EXPECT_EQ(dataHomeFrom(nullptr, "/home/alice"), "/home/alice/.local/share");
    EXPECT_EQ(dataHomeFrom(nullptr, ""), "");
    EXPECT_EQ(dataHomeFrom(nullptr, nullptr), "");
}

TEST(ProgramPaths, SavedGameFileLivesInTheProgramsDataFolder)
{
    TempFolder folder;
    {
        ScopedEnv xdg("XDG_DATA_HOME", folder.path().c_str());
        EXPECT_EQ(savedGamePath("varnholt-slots"),
                  (folder.path() / "varnholt-slots" / "varnholt-slots.ini").string());
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ScopedEnv home("HOME", folder.path().c_str());
        EXPECT_EQ(savedGamePath("other"),
                  (folder.path() / ".local/share/varnholt-slots/other.ini").string());
    }
}

TEST(GameDates, TwoDigitMonthDayYear)
{
    EXPECT_EQ(formatGameDate({2026, 12, 6}), "12/06/26");
    EXPECT_EQ(formatGameDate({2000, 1, 31}), "01/31/00");
    EXPECT_EQ(formatGameDate({1999, 7, 4}), "07/04/99");
    const CalendarDate today = localToday();
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
    EXPECT_EQ(formatGameDate(today).size(), 8u);
}

TEST(SettingsFile, MissingFileKeepsTheDefaults)
{
    TempFolder folder;
    const Settings settings = ReadSettings(folder.path().string() + "/");
    EXPECT_EQ(settings.AssetPrefix, "Vrn");
    EXPECT_EQ(settings.WindowTitle, "Varnholt Slots");

    const Settings custom{"Abc", "Custom"};
    EXPECT_EQ(ReadSettings(folder.path().string(), custom).WindowTitle, "Custom");
}

TEST(SettingsFile, KeysReplaceTheirValuesOneByOne)
{
    TempFolder folder;
    const std::string dir = folder.path().string() + "/";

    writeText(dir + "Testing.ini", "[Settings]\nAboutName=" + std::string(40, 'T') + "\n");
    Settings settings = ReadSettings(dir);
    EXPECT_EQ(settings.WindowTitle, std::string(30, 'T'));
    EXPECT_EQ(settings.AssetPrefix, "Vrn");

    writeText(dir + "Testing.ini", "[settings]\r\nsoundroot=\r\n");
    settings = ReadSettings(dir);
    EXPECT_EQ(settings.AssetPrefix, "") << "an empty prefix is taken as written";
    EXPECT_EQ(settings.WindowTitle, "Varnholt Slots");

    // Only the "Settings" section counts.
    writeText(dir + "Testing.ini", "[Other]\nSoundRoot=Xx\n[Settings]\nAboutName=\"Night Slots\"\n");
    settings = ReadSettings(dir);
    EXPECT_EQ(settings.AssetPrefix, "Vrn");
    EXPECT_EQ(settings.WindowTitle, "Night Slots");
}

TEST(SettingsFile, FileNameIsMatchedRegardlessOfCase)
{
    TempFolder folder;
    writeText(folder.file("TESTING.INI"), "[Settings]\nSoundRoot=Gl\n");
    EXPECT_EQ(ReadSettings(folder.path().string()).AssetPrefix, "Gl");

    // A folder of that name is no settings file.
    TempFolder other;
    std::filesystem::create_directory(other.file("testing.ini"));
    EXPECT_EQ(ReadSettings(other.path().string()).AssetPrefix, "Vrn");
}
