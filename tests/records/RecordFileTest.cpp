#include "records/RecordFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

std::size_t entriesIn(const std::filesystem::path &folder)
{
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

} // namespace

TEST(RecordFile, ReadsAndReplacesWholeFilesKeepingPermissionsAndLinks)
{
    TempFolder folder;
    const std::string path = folder.file("game.ini");
    EXPECT_EQ(readFileSafely(path, kSavedGameFileCap).status, FileStatus::Missing);
    EXPECT_EQ(readFileSafely(folder.path().string(), kSavedGameFileCap).status, FileStatus::Unreadable);

    const std::string bytes = std::string("x\0y\r\n", 5) + std::string(200000, 'q');
    ASSERT_TRUE(writeFileAtomically(path, bytes).ok());
    EXPECT_EQ(readFileSafely(path, kSavedGameFileCap).bytes, bytes);

    ::chmod(path.c_str(), 0600);
    const std::string link = folder.file("link.ini");
    std::filesystem::create_symlink(path, link);
    ASSERT_TRUE(writeFileAtomically(link, "second\n").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readText(path), "second\n");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(entriesIn(folder.path()), 2u) << "no temporary file may be left behind";
}

TEST(RecordFile, FailedWritesReportThePathAndChangeNothing)
{
    TempFolder folder;
    const std::string aFolder = folder.file("taken");
    std::filesystem::create_directory(aFolder);
    EXPECT_EQ(writeFileAtomically(aFolder, "x").error, "Unable to write to " + aFolder);
    EXPECT_TRUE(std::filesystem::is_directory(aFolder));

    const std::string underFile = folder.file("plain") + "/game.ini";
    writeText(folder.file("plain"), "keep");
    EXPECT_EQ(writeFileAtomically(underFile, "x").error, "Unable to write to " + underFile);
    EXPECT_FALSE(ensureParentFolder(underFile).ok());

    const std::string path = folder.file("game.ini");
    writeText(path, "old contents\n");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(writeFileAtomically(path, std::string(4096, 'n')).error, "Unable to write to " + path);
    }
    EXPECT_EQ(readText(path), "old contents\n");
    EXPECT_EQ(entriesIn(folder.path()), 3u) << "the half-written temporary file must be removed";
}
