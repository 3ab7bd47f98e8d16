#include "platform/FileLookup.h"
#include "platform/PictureLoader.h"

#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace varnholt {
namespace {

using testing::readFixture;

class FileLookup : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string dir() const { return folder.path().toStdString(); }
    std::string pathOf(const QString &name) const { return folder.filePath(name).toStdString(); }
    void write(const QString &name, const QByteArray &content)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(FileLookup, MatchesNamesWithoutRegardToLetterCase)
{
    write("TESTER.JPG", "x");
    write("Bet1But.jpg", "x");
    write(QString::fromUtf8("ÄRGER.jpg"), "x");
    EXPECT_EQ(findFileIgnoringCase(dir(), "tester.jpg"), pathOf("TESTER.JPG"));
    EXPECT_EQ(findFileIgnoringCase(dir(), "BET1BUT.JPG"), pathOf("Bet1But.jpg"));
    EXPECT_EQ(findFileIgnoringCase(dir(), "ärger.jpg"), pathOf(QString::fromUtf8("ÄRGER.jpg")));
    EXPECT_EQ(findFileIgnoringCase(dir() + "/", "tester.jpg"), std::optional(dir() + "/TESTER.JPG"));
    EXPECT_FALSE(findFileIgnoringCase(dir(), "tester.jp"));
    EXPECT_FALSE(findFileIgnoringCase(dir(), "motionx.jpg"));
}

TEST_F(FileLookup, PrefersTheExactNameThenTheFirstInSortedOrder)
{
    write("tester.jpg", "x");
    write("Tester.jpg", "x");
    write("TESTER.jpg", "x");
    EXPECT_EQ(findFileIgnoringCase(dir(), "tester.jpg"), pathOf("tester.jpg"));
    EXPECT_EQ(findFileIgnoringCase(dir(), "Tester.jpg"), pathOf("Tester.jpg"));
    EXPECT_EQ(findFileIgnoringCase(dir(), "tEsTeR.jpg"), pathOf("TESTER.jpg"));
}

TEST_F(FileLookup, OnlyPlainFilesInsideTheFolderAreFound)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("Bonus1.JPG"));
    write("Bonus1.JPG/inner.jpg", "x");
    EXPECT_FALSE(findFileIgnoringCase(dir(), "bonus1.jpg")); // a folder, not a file
    EXPECT_FALSE(findFileIgnoringCase(dir(), "bonus1.jpg/inner.jpg"));
    EXPECT_FALSE(findFileIgnoringCase(pathOf("Bonus1.JPG"), "../Bonus1.JPG"));
    EXPECT_FALSE(findFileIgnoringCase(dir(), ".."));
    EXPECT_FALSE(findFileIgnoringCase(dir(), ""));
    EXPECT_FALSE(findFileIgnoringCase(pathOf("no-such-folder"), "tester.jpg"));
}

TEST_F(FileLookup, ReplacementPicturesLoadOnlyWhenPresentAndDecodable)
{
    write("SPINBUT.JPG", readFixture("quadrants.jpg"));
    write("tester.jpg", "not a picture at all");
    write("motionx.jpg", readFixture("quadrants.jpg").left(150));
    write("bet1but.jpg", "");

    std::optional<QImage> spin = loadReplacementPicture(dir(), "SpinBut.jpg");
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->size(), QSize(32, 32));
    EXPECT_FALSE(loadReplacementPicture(dir(), "tester.jpg"));  // undecodable
    EXPECT_FALSE(loadReplacementPicture(dir(), "motionx.jpg")); // cut short
    EXPECT_FALSE(loadReplacementPicture(dir(), "Bet1But.jpg")); // empty
    EXPECT_FALSE(loadReplacementPicture(dir(), "bonusx.jpg"));  // missing
}

} // namespace
} // namespace varnholt
