#include "records/RecordFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnholt;
using varnholt::testing::FileSizeLimit;
using varnholt::testing::readText;
using varnholt::testing::TempFolder;
using varnholt::testing::writeText;

namespace {

std::size_t entriesIn(const std::filesystem::path &folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(RecordFile, ReadsWholeFilesAndTellsMissingFromUnreadable)
{
    TempFolder folder;
    const std::string path = folder.file("a.ini");
    EXPECT_EQ(readWholeFile(path).status, FileStatus::Missing);
    EXPECT_EQ(readWholeFile(folder.file("no-folder/a.ini")).status, FileStatus::Missing);
    EXPECT_EQ(readWholeFile(folder.path().string()).status, FileStatus::Unreadable);

    const std::string bytes = std::string("x\0y\r\n", 5) + std::string(200000, 'q');
    writeText(path, bytes);
    const FileContents read = readWholeFile(path);
    EXPECT_EQ(read.status, FileStatus::Loaded);
    EXPECT_EQ(read.bytes, bytes);
}

TEST(RecordFile, ReplacesContentsAndKeepsPermissionsAndLinks)
{
    TempFolder folder;
    const std::string path = folder.file("game.ini");
    ASSERT_TRUE(writeFileAtomically(path, "first\n").ok());
    EXPECT_EQ(readText(path), "first\n");

    ::chmod(path.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(path, "second\n").ok());
    EXPECT_EQ(readText(path), "second\n");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const std::string link = folder.file("link.ini");
    std::filesystem::create_symlink(path, link);
    ASSERT_TRUE(writeFileAtomically(link, "third\n").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readText(path), "third\n");

    EXPECT_EQ(entriesIn(folder.path()), 2u) << "no temporary file may be left behind";
}

TEST(RecordFile, FailedWritesReportThePathAndChangeNothing)
{
    TempFolder folder;

    const std::string aFolder = folder.file("taken");
    std::filesystem::create_directory(aFolder);
    EXPECT_EQ(writeFileAtomically(aFolder, "x").error, "Unable to write to " + aFolder);
    EXPECT_TRUE(std::filesystem::is_directory(aFolder));

    const std::string plainFile = folder.file("plain");
    writeText(plainFile, "keep");
    const std::string underFile = plainFile + "/game.ini";
    EXPECT_EQ(writeFileAtomically(underFile, "x").error, "Unable to write to " + underFile);
    EXPECT_FALSE(ensureParentFolder(underFile).ok());
    EXPECT_EQ(readText(plainFile), "keep");

    const std::string path = folder.file("game.ini");
    writeText(path, "old contents\n");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(writeFileAtomically(path, std::string(4096, 'n')).error,
                  "Unable to write to " + path);
    }
    EXPECT_EQ(readText(path), "old contents\n");
    EXPECT_EQ(entriesIn(folder.path()), 3u) << "the half-written temporary file must be removed";
}

TEST(RecordFile, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempFolder folder;
    const std::string path = folder.file("game.ini");
    writeText(path, "old\n");
    ::chmod(folder.path().c_str(), 0500);
    const RecordResult result = writeFileAtomically(path, "new\n");
    ::chmod(folder.path().c_str(), 0700);
    EXPECT_EQ(result.error, "Unable to write to " + path);
    EXPECT_EQ(readText(path), "old\n");
}

TEST(RecordFile, CreatesMissingParentFolders)
{
    TempFolder folder;
    const std::string path = folder.file("a/b/c/game.ini");
    ASSERT_TRUE(ensureParentFolder(path).ok());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("a/b/c")));
    EXPECT_TRUE(ensureParentFolder("bare.ini").ok());
}
