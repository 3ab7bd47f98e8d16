// Sound and Music as the player left them, from one start of the machine to the next.

#include "FormFixture.h"

#include "platform/RememberedOptions.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

using namespace varnholt;
using namespace varnholt::test;

namespace {

using RememberedOptionsTest = FormTest;

TEST_F(RememberedOptionsTest, ChoicesHoldAcrossARestart)
{
    {
        auto form = makeForm(800, 600);
        EXPECT_TRUE(form->game().SoundOn && form->game().MusicOn) << "both on at the first start";
        form->Sound1->trigger();
        form->Music1->trigger();
        form->Music1->trigger(); // on again: the last choice is the one kept
        form->close();           // keeps the game in progress too
    }
    auto restarted = makeForm(800, 600);
    EXPECT_FALSE(restarted->game().SoundOn);
    EXPECT_FALSE(restarted->Sound1->isChecked());
    EXPECT_TRUE(restarted->game().MusicOn);
    EXPECT_TRUE(restarted->Music1->isChecked());

    // Kept apart from the saved game; nothing is written beside the program.
    QFile saved(QString::fromStdString(savedPath()));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_FALSE(saved.readAll().contains("Sound"));
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files), QStringList());
}

TEST(RememberedOptions, KeptInTheDesktopsConfigurationFolder)
{
    testApp(); // points the configuration folder at a private one
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             "/varnholt-slots/options.conf";
    ASSERT_FALSE(QFile::exists(expected));
    ASSERT_TRUE(saveRememberedOptions("", {false, true}));
    EXPECT_TRUE(QFile::exists(expected));
    const RememberedOptions read = loadRememberedOptions("");
    EXPECT_FALSE(read.sound);
    EXPECT_TRUE(read.music);
    QFile::remove(expected);

    // A FIFO in its place would hold the start for ever.
    ASSERT_EQ(::mkfifo(expected.toLocal8Bit().constData(), 0600), 0);
    EXPECT_TRUE(loadRememberedOptions("").sound) << "the choices as at a first start";
    EXPECT_FALSE(saveRememberedOptions("", {false, false}));
    QFile::remove(expected);
}

} // namespace
