// Sound and Music are both on at every start, whatever the last run left them at.

#include "FormFixture.h"

#include <QAction>
#include <QDir>
#include <QStandardPaths>

using namespace varnholt;
using namespace varnholt::test;

namespace {

using SwitchesAtStartTest = FormTest;

TEST_F(SwitchesAtStartTest, BothOnAgainAfterARestart)
{
    {
        auto form = makeForm(800, 600);
        form->Sound1->trigger();
        form->Music1->trigger();
        ASSERT_FALSE(form->game().SoundOn || form->game().MusicOn) << "both switched off";
        ASSERT_FALSE(form->Sound1->isChecked() || form->Music1->isChecked());
        form->close(); // keeps the game in progress
    }
    auto restarted = makeForm(800, 600);
    EXPECT_TRUE(restarted->game().SoundOn);
    EXPECT_TRUE(restarted->game().MusicOn);
    EXPECT_TRUE(restarted->Sound1->isChecked());
    EXPECT_TRUE(restarted->Music1->isChecked());
    // Nothing of the choice is kept in the desktop's configuration folder either.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_FALSE(QDir(config + "/varnholt-slots").exists());
}

} // namespace
