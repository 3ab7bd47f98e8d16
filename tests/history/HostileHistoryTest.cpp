// Whatever lies under the history's name, the game plays on: one plain notice, then nothing,
// and a file that is not ours stays exactly as it was.

#include "history/PlayHistory.h"

#include "HistoryTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

struct HostileCase {
    const char *name;
    std::function<void(const std::string &path)> arrange;
    const char *reason; // part of the notice
};

void makeHistory(const std::string &path)
{
    PlayHistory history(path, nullptr);
    SpinRecord spin;
    spin.game = "Anna";
    for (int i = 0; i < 200; ++i)
        history.recordSpin(spin);
}

// Another program holds the write lock for as long as the test runs.
std::unique_ptr<RawDatabase> locker;

const HostileCase kCases[] = {
    {"Fifo", [](const std::string &p) { ::mkfifo(p.c_str(), 0600); }, "not a regular file"},
    {"Folder", [](const std::string &p) { std::filesystem::create_directory(p); }, "not a regular file"},
    {"LinkToDevice", [](const std::string &p) { std::filesystem::create_symlink("/dev/zero", p); },
     "not a regular file"},
    {"LinkToFifo",
     [](const std::string &p) {
         ::mkfifo((p + ".fifo").c_str(), 0600);
         std::filesystem::create_symlink(p + ".fifo", p);
     },
     "not a regular file"},
    {"FifoForTheLog", [](const std::string &p) { ::mkfifo((p + "-wal").c_str(), 0600); }, "-wal beside it"},
    {"ReadOnlyFile",
     [](const std::string &p) {
         makeHistory(p);
         ::chmod(p.c_str(), 0444);
     },
     "it is read-only"},
    {"ReadOnlyFolder",
     [](const std::string &p) { ::chmod(std::filesystem::path(p).parent_path().c_str(), 0555); },
     "folder is read-only"},
    {"NotADatabase", [](const std::string &p) { writeText(p, std::string(8192, 'x')); }, "not a database"},
    {"AnotherProgramsDatabase", [](const std::string &p) { RawDatabase(p).exec("CREATE TABLE notes(text)"); },
     "another program's database"},
    {"DamagedHistory",
     [](const std::string &p) {
         makeHistory(p);
         std::fstream file(p, std::ios::in | std::ios::out | std::ios::binary);
         file.seekp(4096 * 2);
         file << std::string(4096 * 2, '\xff'); // pages of the spins table
     },
     "damaged"},
    // Anything the game did not put there could run whatever it holds when the game writes or reads.
    {"Trigger",
     [](const std::string &p) {
         makeHistory(p);
         RawDatabase(p).exec("CREATE TRIGGER stall AFTER INSERT ON spins BEGIN"
                             " SELECT count(*) FROM spins a, spins b, spins c; END");
     },
     "did not put there"},
    {"View",
     [](const std::string &p) {
         makeHistory(p);
         RawDatabase(p).exec("CREATE VIEW spins_by_day AS SELECT * FROM spins a, spins b");
     },
     "did not put there"},
    {"IndexRedefined",
     [](const std::string &p) {
         makeHistory(p);
         RawDatabase raw(p);
         raw.exec("DROP INDEX spins_by_time");
         raw.exec("CREATE INDEX spins_by_time ON spins(time, length(game))");
     },
     "did not put there"},
    {"ExtraTable",
     [](const std::string &p) {
         makeHistory(p);
         RawDatabase(p).exec("CREATE TABLE notes(text)");
     },
     "did not put there"},
    {"DanglingLink", [](const std::string &p) { std::filesystem::create_symlink(p + ".elsewhere", p); },
     "a link"},
    {"LinkToAHistory",
     [](const std::string &p) {
         makeHistory(p + ".real");
         std::filesystem::create_symlink(p + ".real", p);
     },
     "a link"},
    {"NewerGame",
     [](const std::string &p) {
         makeHistory(p);
         RawDatabase(p).exec("PRAGMA user_version = 99");
     },
     "newer version"},
    {"LockedByAnother",
     [](const std::string &p) {
         makeHistory(p);
         locker = std::make_unique<RawDatabase>(p);
         locker->exec("BEGIN IMMEDIATE");
         locker->exec("INSERT INTO games(time, game, kind, credits, borrowed) VALUES(0, 'x', 0, 0, 0)");
     },
     "another program is using it"},
};

class HostileHistoryTest : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override { ensureCoreApp(); }
    void TearDown() override
    {
        locker.reset();
        ::chmod(folder.file("sub").c_str(), 0755);
    }
    TempFolder folder;
};

std::string bytesOf(const std::string &path)
{
    return std::filesystem::is_regular_file(path) ? readText(path) : std::string();
}

} // namespace

TEST_P(HostileHistoryTest, SaysSoOnceAndLeavesTheFileAlone)
{
    const std::string path = folder.file("sub/history.sqlite");
    std::filesystem::create_directory(folder.file("sub"));
    GetParam().arrange(path);
    const std::string before = bytesOf(path);

    std::vector<std::string> notices;
    PlayHistory history(path, [&](const std::string &notice) { notices.push_back(notice); });
    SpinRecord spin;
    spin.game = "Anna";
    history.recordSpin(spin);
    history.recordMoney({});
    history.recordGame({});

    EXPECT_FALSE(history.available());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].rfind("The play history cannot be kept in " + path + ": ", 0), 0u) << notices[0];
    EXPECT_NE(notices[0].find(GetParam().reason), std::string::npos) << notices[0];
    EXPECT_TRUE(history.report("Anna", 0, 10).balance.empty());
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".elsewhere")) << "nothing made where a link points";
}

INSTANTIATE_TEST_SUITE_P(Files, HostileHistoryTest, ::testing::ValuesIn(kCases),
                         [](const auto &param) { return std::string(param.param.name); });
