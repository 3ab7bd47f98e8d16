// Files the player (or anything else) put where the game looks for its own.

#include "files/SafeRead.h"
#include "files/SafeWrite.h"
#include "records/IniFile.h"
#include "records/SavedGames.h"
#include "records/Settings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

class HostileFilesTest : public ::testing::Test {
protected:
    TempFolder folder;
    SavedGameFile file{folder.file("game.ini"), [] { return CalendarDate{2026, 12, 6}; }};

    GameState loadCurrentGame()
    {
        GameState state;
        EXPECT_TRUE(SaveLoadGame(file, state, kCurrentGameSlot, false, "").ok());
        return state;
    }
    RecordResult saveCurrentGame(std::int32_t credits = 4321)
    {
        GameState state;
        state.Credits = credits;
        return SaveLoadGame(file, state, kCurrentGameSlot, true, "");
    }
};

} // namespace

TEST_F(HostileFilesTest, SafeReadRefusesWhatIsNotASmallRegularFile)
{
    std::filesystem::create_directory(folder.file("dir"));
    ::mkfifo(folder.file("fifo").c_str(), 0600); // no writer: a plain open would wait forever
    std::filesystem::create_symlink("/dev/zero", folder.file("zero"));
    writeText(folder.file("big"), std::string(101, 'x'));
    for (const char *name : {"dir", "fifo", "zero", "big"}) {
        const FileContents read = readFileSafely(folder.file(name), 100);
        EXPECT_EQ(read.status, FileStatus::Unreadable) << name;
        EXPECT_TRUE(read.bytes.empty()) << name;
        EXPECT_NE(read.problem.find(folder.file(name)), std::string::npos) << read.problem;
    }
    writeText(folder.file("fits"), std::string(100, 'x'));
    EXPECT_EQ(readFileSafely(folder.file("fits"), 100).bytes, std::string(100, 'x'));
}

namespace {

struct HostileKind {
    const char *name;
    std::function<void(const TempFolder &, const std::string &path)> plant;
    const char *reason; // the notice's words after "PATH: "
};

class SharedOpener : public ::testing::TestWithParam<HostileKind> {};
void PrintTo(const HostileKind &kind, std::ostream *out) { *out << kind.name; }

const HostileKind kHostileKinds[] = {
    {"Fifo", [](const TempFolder &, const std::string &p) { ::mkfifo(p.c_str(), 0600); },
     "a FIFO, not a regular file"},
    {"LinkToFifo",
     [](const TempFolder &f, const std::string &p) {
         ::mkfifo(f.file("far").c_str(), 0600);
         std::filesystem::create_symlink(f.file("far"), p);
     },
     "a FIFO, not a regular file"},
    {"Device",
     [](const TempFolder &, const std::string &p) { std::filesystem::create_symlink("/dev/null", p); },
     "a device, not a regular file"},
    {"Folder", [](const TempFolder &, const std::string &p) { std::filesystem::create_directory(p); },
     "a folder, not a file"},
    {"Oversized", [](const TempFolder &, const std::string &p) { writeText(p, std::string(101, 'x')); },
     "larger than 100 bytes"},
};

} // namespace

// Nothing under the name makes the open wait, and the refusal says why in one line.
TEST_P(SharedOpener, RefusesWithOneReason)
{
    TempFolder folder;
    const std::string path = folder.file("piece");
    GetParam().plant(folder, path);
    const OpenedFile opened = openFileSafely(path, 100);
    EXPECT_EQ(opened.status, FileStatus::Unreadable);
    EXPECT_FALSE(opened.descriptor.valid());
    EXPECT_EQ(opened.problem, path + ": " + GetParam().reason);
    EXPECT_EQ(readFileSafely(path, 100).problem, opened.problem);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SharedOpener, ::testing::ValuesIn(kHostileKinds),
                         [](const auto &kind) { return std::string(kind.param.name); });

// A new file beside a target is never one planted ahead.
TEST(SafeWrite, LinksPlantedAtTemporaryNamesAreNeverWrittenThrough)
{
    TempFolder folder;
    const std::string target = folder.file("piece.flac"), victim = folder.file("victim");
    writeText(victim, "kept");
    // Links at the names a predictable temporary would take.
    for (int i = 0; i < 64; ++i)
        std::filesystem::create_symlink(victim, target + ".part" + std::to_string(::getpid() + i));
    NewFile file = createFileBeside(target, ".part");
    ASSERT_TRUE(file.descriptor.valid());
    ASSERT_EQ(::write(file.descriptor.get(), "new", 3), 3);
    file.descriptor.close();
    ASSERT_TRUE(replaceRegularFile(file.path, target, nullptr));
    EXPECT_EQ(readText(target), "new");
    EXPECT_FALSE(std::filesystem::is_symlink(target));
    EXPECT_EQ(readText(victim), "kept");
}

TEST_F(HostileFilesTest, SavedGameThatCannotBeReadSafelyGivesDefaultsAndIsNeverReplaced)
{
    ::mkfifo(folder.file("game.ini").c_str(), 0600);
    writeText(folder.file("huge.ini"), "[CurrentGame]\nCredits=5\n" + std::string(kSavedGameFileCap, ';'));
    for (const char *name : {"game.ini", "huge.ini"}) {
        file.path = folder.file(name);
        const auto before = std::filesystem::status(file.path).type();
        EXPECT_EQ(loadCurrentGame().Credits, 1000) << name;
        EXPECT_EQ(saveCurrentGame().error, "Unable to write to " + file.path) << name;
        EXPECT_EQ(std::filesystem::status(file.path).type(), before) << name;
    }
    EXPECT_EQ(std::filesystem::file_size(folder.file("huge.ini")), kSavedGameFileCap + 24);
}

TEST_F(HostileFilesTest, ReadOnlySavedGameIsNotReplaced)
{
    ASSERT_TRUE(saveCurrentGame(111).ok());
    const std::string before = readText(file.path);
    ::chmod(file.path.c_str(), 0444); // the owner's wish binds even when the tests run as root
    EXPECT_EQ(saveCurrentGame(222).error, "Unable to write to " + file.path);
    EXPECT_EQ(readText(file.path), before);

    ::chmod(file.path.c_str(), 0644);
    ::chmod(folder.path().c_str(), 0555); // the folder's too
    EXPECT_EQ(saveCurrentGame(333).error, "Unable to write to " + file.path);
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(readText(file.path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary left";
}

TEST_F(HostileFilesTest, LineEndsAndEncodingsOfOtherEditorsReadAndArePreserved)
{
    const std::string crOnly = "[CurrentGame]\rCredits=777\rNudges=5\r";
    const std::string utf16 = std::string("\xFF\xFE[\0C\0u\0r\0r\0e\0n\0t\0G\0a\0m\0e\0]\0\r\0\n\0"
                                          "C\0r\0e\0d\0i\0t\0s\0=\0"
                                          "7\0"
                                          "7\0"
                                          "7\0\r\0\n\0",
                                          58);
    std::string utf16be = utf16;
    for (std::size_t i = 0; i + 1 < utf16be.size(); i += 2)
        std::swap(utf16be[i], utf16be[i + 1]);
    // Without a mark, the NULs beside the first section header's letters tell UTF-16.
    const std::string bareUtf16 = std::string("\r\0\n\0", 4) + utf16.substr(2);
    const std::string bareUtf16be = utf16be.substr(2);
    for (const std::string &contents : {crOnly, utf16, utf16be, bareUtf16, bareUtf16be}) {
        writeText(file.path, contents);
        EXPECT_EQ(loadCurrentGame().Credits, 777);
        ASSERT_TRUE(saveCurrentGame(888).ok());
        const IniFile reread = IniFile::fromText(readText(file.path));
        EXPECT_EQ(reread.ReadInteger("CurrentGame", "Credits", 0), 888);
        EXPECT_EQ(readText(file.path).substr(0, 4), contents.substr(0, 4)) << "same encoding";
        EXPECT_EQ(readText(file.path).find("[CurrentGame]"), contents == crOnly ? 0 : std::string::npos);
    }
    EXPECT_EQ(IniFile::fromText(crOnly).text(), crOnly) << "lone CRs stay CRs";
    EXPECT_EQ(IniFile::fromText("[S]\nk=1\rj=2\n").ReadString("S", "k", ""), "1");
}

TEST_F(HostileFilesTest, StaleTemporaryFilesOfOursGoAtTheNextSave)
{
    const std::string stale = folder.file(".game.ini.AbC123");
    const std::string fresh = folder.file(".game.ini.XyZ789");
    const std::string foreign = folder.file(".game.ini.old");
    for (const std::string &path : {stale, fresh, foreign})
        writeText(path, "left over");
    const timeval twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
    ::utimes(stale.c_str(), twoMinutesAgo);
    ::utimes(foreign.c_str(), twoMinutesAgo);

    ASSERT_TRUE(saveCurrentGame().ok());
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh)) << "may belong to a save still running";
    EXPECT_TRUE(std::filesystem::exists(foreign)) << "not our naming pattern";
}

TEST(AssetFiles, PrefixWithAPathSeparatorNamesNoFile)
{
    EXPECT_EQ(assetFilePath("/game/", "Abc", "0.wav"), "/game/Abc0.wav");
    EXPECT_EQ(assetFilePath("/game/", "", "0.mid"), "/game/0.mid");
    for (const char *prefix : {"../Vrn", "/etc/Vrn", "sub/Vrn", "..\\Vrn"})
        EXPECT_EQ(assetFilePath("/game/", prefix, "7.wav"), "") << prefix;
}
