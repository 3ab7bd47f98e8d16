// The desktop name box: its caption, pre-filled edit and length limit, and what OK and Cancel
// give back. The box is answered from inside its own modal run.

#include "platform/InputBox.h"
#include "platform/MessageBox.h"

#include "TestApp.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace varnholt {
namespace {

// Runs the box and, once it shows, hands it to `answer`.
std::optional<QString> askWith(const QString &text, const std::function<void(QDialog &, QLineEdit &)> &answer)
{
    test::testApp();
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box, *box->findChild<QLineEdit *>());
    });
    return makeDesktopInputBox()->InputQuery(nullptr, "Name for this saved game?", "", text);
}

TEST(InputBox, OkGivesTheEditedTextCutToTheLimitAndCancelGivesNothing)
{
    const QString tooLong(300, 'n');
    const std::optional<QString> kept = askWith(tooLong, [](QDialog &box, QLineEdit &edit) {
        EXPECT_EQ(box.windowTitle(), "Name for this saved game?");
        EXPECT_EQ(edit.maxLength(), 255);
        EXPECT_EQ(edit.text().size(), 255);
        box.accept();
    });
    EXPECT_EQ(kept, QString(255, 'n'));

    EXPECT_EQ(askWith("Evening",
                      [](QDialog &box, QLineEdit &edit) {
                          edit.setText("");
                          box.accept();
                      }),
              QString(""))
        << "an empty name is a name";
    EXPECT_FALSE(askWith("Evening", [](QDialog &box, QLineEdit &) { box.reject(); }));
}

TEST(DesktopMessages, AMessageWithMarkupInItShowsItAsText)
{
    test::testApp();
    const QString path = "/home/<b>ann</b>/<img src=/dev/zero>.ini";
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), "Unable to write to " + path);
        box->accept();
    });
    makeDesktopMessageSink()->show(nullptr, "Varnholt Slots", "Unable to write to " + path,
                                   MessageIcon::Error);
}

} // namespace
} // namespace varnholt
