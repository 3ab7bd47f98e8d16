#include "TestApp.h"

#include "ui/HelpContext.h"
#include "ui/HelpKey.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

using namespace varnholt;

TEST(HelpKey, AsksForTheTopicOfTheControlOrItsNearestEnclosingWindow)
{
    test::testApp();
    std::vector<int> asked;
    HelpKeyFilter filter([&asked](int topic) { asked.push_back(topic); });
    qApp->installEventFilter(&filter);

    // A borrowing-like dialog: the window has one topic, its buttons another; a slot dialog.
    QWidget dialog;
    setHelpContext(dialog, kHelpMachine);
    QWidget buttons(&dialog);
    setHelpContext(buttons, kHelpBorrowControls);
    QPushButton chip(&buttons);
    QLineEdit plain(&dialog);
    QWidget slotDialog;
    setHelpContext(slotDialog, kHelpSavedGames);
    QWidget bare;

    const auto press = [](QWidget &target, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        return QApplication::sendEvent(&target, &event) && event.isAccepted();
    };
    press(chip, Qt::Key_F1);
    press(buttons, Qt::Key_F1);
    press(plain, Qt::Key_F1);
    press(slotDialog, Qt::Key_F1);
    press(bare, Qt::Key_F1);
    EXPECT_EQ(asked, (std::vector<int>{kHelpBorrowControls, kHelpBorrowControls, kHelpMachine,
                                       kHelpSavedGames, kHelpContents}));

    press(plain, Qt::Key_F2);
    EXPECT_EQ(asked.size(), 5u) << "other keys pass";
    qApp->removeEventFilter(&filter);
}
