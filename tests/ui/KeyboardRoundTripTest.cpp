// A player on the keyboard alone: after a trip through the menu bar or a dialog the machine's
// keys work again. The keys go the window system's way, through shortcuts, the menu bar and
// its menus, as a keyboard's would.

#include "FormFixture.h"

#include "ui/FaceWidget.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class KeyboardRoundTrip : public PlayTest {
protected:
    std::unique_ptr<TestForm1> makeShownForm()
    {
        auto form = makePlayForm();
        // Each side window is closed with Escape, as the player would.
        form->showSideWindow = [this](QDialog &window) {
            window.show();
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
            ++sideWindowsShown;
            key(window.windowHandle(), Qt::Key_Escape);
            EXPECT_FALSE(window.isVisible());
            // The window system hands the activation back to the main window, as a desktop's does.
            activeForm->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(activeForm));
        };
        activeForm = form.get();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    static void key(QWindow *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window, key, modifiers);
    }

    int sideWindowsShown = 0;
    TestForm1 *activeForm = nullptr;
};

TEST_F(KeyboardRoundTrip, MenusAndDialogsGiveTheKeysBackToTheMachine)
{
    auto form = makeShownForm();
    QWindow *window = form->windowHandle();
    const GameState &g = form->game();

    key(window, Qt::Key_B);
    ASSERT_EQ(g.CoinsBet, 1);
    key(window, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(form->File1->isVisible()) << "Alt+F opens the File menu";
    key(window, Qt::Key_Escape);
    EXPECT_FALSE(form->File1->isVisible());
    key(window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(sideWindowsShown, 1) << "Alt+S opens the statistics";
    key(window, Qt::Key_Space);
    EXPECT_EQ(g.Spins, 1) << "the machine has the keys again";
    key(window, Qt::Key_Space);
    EXPECT_EQ(g.Spins, 2);

    // A menu closed with Escape alone, and a menu left by moving along the bar, give them back too.
    key(window, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(form->Options1->isVisible());
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_B);
    EXPECT_EQ(g.CoinsBet, 1);
    key(window, Qt::Key_F, Qt::AltModifier);
    key(window, Qt::Key_Right);
    EXPECT_TRUE(form->Options1->isVisible()) << "Right moves along the menu bar";
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_Space);
    EXPECT_EQ(g.Spins, 3);
    EXPECT_EQ(form->focusWidget(), &form->faceWidget());
}

} // namespace
