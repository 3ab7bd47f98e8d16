#include "FormFixture.h"

#include "platform/Canvas.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/HelpContext.h"
#include "ui/Save.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// Answers the name box with `reply` and keeps what it was asked, as "caption|prompt|text".
struct ScriptedInputBox final : InputBox {
    std::optional<QString> reply;
    QStringList asked;
    std::optional<QString> InputQuery(QWidget *, const QString &caption, const QString &prompt,
                                      const QString &text) override
    {
        asked << caption + "|" + prompt + "|" + text;
        return reply;
    }
};

class SlotDialog : public PlayTest {
protected:
    // An idle machine with a game in progress that differs from every default.
    std::unique_ptr<TestForm1> makeIdleForm()
    {
        FormServices services = testServices(800, 600);
        auto box = std::make_unique<ScriptedInputBox>();
        nameBox = box.get();
        services.inputBox = std::move(box);
        return makeStartedForm(std::move(services));
    }

    // The same, with a game in progress that differs from every default and two coins in.
    std::unique_ptr<TestForm1> makeFormWithGame()
    {
        saveCurrentGame({"CurrentGame", "12/07/26", 1502, 2000, 9, 45, 30, 4, 2});
        auto form = makeIdleForm();
        betOne(*form);
        betOne(*form);
        return form;
    }
    static SavedFields saved(const TestForm1 &form) { return form.game(); }
    static QString text(const TLoadSave &dialog, const QString &label) { return dialog.label(label)->text(); }

    // Runs a menu command, handing the dialog it opens to `drive`; false when none opened.
    static bool run(TestForm1 &form, void (TForm1::*command)(), const std::function<void(TLoadSave &)> &drive)
    {
        bool shown = false;
        form.showSideWindow = [&](QDialog &dialog) {
            shown = true, drive(dynamic_cast<TLoadSave &>(dialog));
        };
        (form.*command)();
        form.showSideWindow = nullptr;
        return shown;
    }

    QByteArray fileText() const
    {
        QFile file(QString::fromStdString(savedPath()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScriptedInputBox *nameBox = nullptr; // the name box of the form made last
};

// The next widget Tab moves to.
QWidget *nextTabStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

} // namespace

TEST_F(SlotDialog, FirstRunListsEightDefaultSlotsAndEveryWayOutKeepsTheGame)
{
    auto form = makeFormWithGame();
    const SavedFields before = saved(*form);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    for (int way = 0; way < 3; ++way) { // Cancel, Escape, the close box
        const bool saving = way == 0;
        ASSERT_TRUE(run(*form, saving ? &TForm1::SaveGame1Click : &TForm1::OpenGame1Click, [&](TLoadSave &d) {
            d.show();
            EXPECT_EQ(d.windowTitle(),
                      saving ? "Save a Game -- Select Game Slot" : "Open a Game -- Select Game Slot");
            for (int k = 1; k <= 8; ++k) {
                EXPECT_EQ(d.names()[k - 1]->text(), QString("GameNo%1").arg(k));
                EXPECT_EQ(text(d, QString("Game%1").arg(k)), "Varnholt Slots");
                EXPECT_EQ(text(d, QString("date%1").arg(k)), "12/07/26");
                EXPECT_EQ(text(d, QString("credits%1").arg(k)), "1000 Credits");
                EXPECT_EQ(text(d, QString("borrowed%1").arg(k)), "1000 Borrowed");
            }
            EXPECT_EQ(form->game().GameName, "GameNo8") << "the slots are read through the game state";
            EXPECT_FALSE(form->OpenGame1->isEnabled());
            form->FormKeyDown(13); // Enter spins on an idle machine
            EXPECT_EQ(form->game().Spins, 0) << "no spin while the dialog holds the game state";
            if (way == 0)
                d.CancelBtn->click();
            else if (way == 1)
                QApplication::sendEvent(&d, &escape);
            else
                d.close();
            EXPECT_FALSE(d.isVisible());
        }));
        EXPECT_EQ(saved(*form), before);
        EXPECT_EQ(form->game().CoinsBet, 2);
        EXPECT_TRUE(form->OpenGame1->isEnabled());
    }
}

TEST_F(SlotDialog, SavedSlotIsListedNextTimeAndTheGameGoesOnUnchanged)
{
    auto form = makeFormWithGame();
    const SavedFields before = saved(*form);
    nameBox->reply = "Evening game";
    ASSERT_TRUE(run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        d.Name3->setText("Typed over");
        d.BitBtn2->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }));
    EXPECT_EQ(nameBox->asked, QStringList{"Name for this saved game?||Typed over"});
    EXPECT_EQ(saved(*form), before);

    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        EXPECT_EQ(d.Name3->text(), "Evening game");
        EXPECT_EQ(text(d, "credits3"), "1500 Credits");
        EXPECT_EQ(text(d, "borrowed3"), "2000 Borrowed");
        EXPECT_EQ(d.Name4->text(), "GameNo4");
        // Cancelling the name box stores nothing and still closes the dialog.
        const QByteArray written = fileText();
        nameBox->reply.reset();
        d.BitBtn4->click();
        EXPECT_EQ(fileText(), written);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(saved(*form), before);
}

TEST_F(SlotDialog, OpenedSlotIsInProgressAfterARestartAndOddValuesReadAsStored)
{
    const QByteArray longName(40, 'x');
    ASSERT_TRUE(QDir(programDir.path()).mkpath("saves"));
    QFile file(QString::fromStdString(savedPath()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[GameNo5]\nGameName=" + longName + "\nCredits=0x10\nBorrowed=abc\n");
    file.close();
    auto form = makeIdleForm();
    fillSentinel(form->faceWidget().canvas()); // the screen painted over before the dialog
    ASSERT_TRUE(run(*form, &TForm1::OpenGame1Click, [&](TLoadSave &d) {
        EXPECT_EQ(d.Name5->text(), QString(30, 'x'));
        EXPECT_EQ(text(d, "credits5"), "16 Credits");
        EXPECT_EQ(text(d, "borrowed5"), "1000 Borrowed");
        d.BitBtn4->click();
    }));
    EXPECT_EQ(form->game().Credits, 16);
    EXPECT_EQ(changedArea(form->canvas()), QRect(QPoint(0, 0), form->canvas().size())) << "repainted";

    // A name is stored whole, however much of it is shown.
    nameBox->reply = QString(longName);
    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) { d.OKBtn->click(); });
    EXPECT_TRUE(fileText().contains("[GameNo1]\nGameName=" + longName + "\n"));

    form->close();
    EXPECT_EQ(makeIdleForm()->game().Credits, 16);
}

TEST_F(SlotDialog, FailedWritesKeepTheFileAndTheGame)
{
    auto form = makeFormWithGame();
    const SavedFields before = saved(*form);
    // The saves folder is a plain file: not even the game in progress can be kept, so the
    // dialog does not open and reads nothing into the game.
    const QString saves = programDir.path() + "/saves";
    ASSERT_TRUE(QDir(saves).removeRecursively());
    QFile blocker(saves);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(run(*form, &TForm1::OpenGame1Click, [](TLoadSave &) {}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Unable to write to " + saves));
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(saved(*form), before);

    // The folder goes away while the dialog is open: the save fails, the game stays.
    ASSERT_TRUE(QFile::remove(saves));
    nameBox->reply = "Lost?";
    ASSERT_TRUE(run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        ASSERT_TRUE(QDir(saves).removeRecursively());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        d.BitBtn2->click();
    }));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith("Unable to write to"));
    EXPECT_EQ(saved(*form), before);
}

TEST_F(SlotDialog, ClosingTheProgramWithTheDialogOpenKeepsTheGameInProgress)
{
    auto form = makeFormWithGame();
    ASSERT_TRUE(run(*form, &TForm1::OpenGame1Click, [&](TLoadSave &d) {
        d.show();
        form->close(); // a signal or the end of the session while the dialog is open
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(makeIdleForm()->game().Credits, 1502) << "the game, with its coins, not the last slot read";
}

TEST_F(SlotDialog, LayoutKeyboardOrderAndHelp)
{
    auto form = makeIdleForm();
    std::vector<int> helpTopics;
    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) { EXPECT_TRUE(d.HelpBtn->isEnabled()); });
    form->openHelpTopic = [&](int topic) { helpTopics.push_back(topic); };
    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        d.HelpBtn->click();
        EXPECT_EQ(helpTopics, std::vector<int>{kHelpSavedGames});
        EXPECT_EQ(d.size(), QSize(616, 360));
        EXPECT_EQ(d.Panel4->geometry(), QRect(16, 232, 289, 65));
        EXPECT_EQ(d.Panel5->geometry(), QRect(312, 16, 289, 65));
        EXPECT_EQ(d.BitBtn7->parentWidget(), d.Panel8);
        EXPECT_EQ(d.BitBtn7->geometry(), QRect(232, 16, 49, 37));
        EXPECT_EQ(d.label("date8")->geometry(), QRect(168, 28, 57, 13));
        EXPECT_EQ(d.CancelBtn->geometry(), QRect(508, 316, 97, 37));
        EXPECT_EQ(d.HelpBtn->geometry(), QRect(8, 316, 97, 37));
        EXPECT_EQ(nextTabStop(d.Name1), d.OKBtn);
        EXPECT_EQ(nextTabStop(d.OKBtn), d.Name2);
        EXPECT_EQ(nextTabStop(d.BitBtn7), d.HelpBtn);
        EXPECT_EQ(nextTabStop(d.HelpBtn), d.CancelBtn);
    });
}

TEST_F(SlotDialog, MarkupFromTheSettingsFileAndTheSavedGameShowsAsItIs)
{
    const QString title = "<b>Big</b> & [*]<img src=x>";
    QFile settings(programDir.path() + "/Testing.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\nAboutName=" + title.toUtf8() + "\n");
    settings.close();
    QFile saves(QString::fromStdString(savedPath()));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(saves).path()));
    ASSERT_TRUE(saves.open(QIODevice::WriteOnly));
    saves.write("[GameNo1]\nGameName=<i>Ann</i>\nGameDate=<h1>1</h1>\n");
    saves.close();

    auto form = makeIdleForm();
    form->winId();
    EXPECT_EQ(form->windowHandle()->title(), title) << "the caption as written, \"[*]\" too";
    EXPECT_EQ(form->GloamwickSlotsManual1->iconText(), title + " Manual") << "\"&\" is no access key";
    ASSERT_TRUE(run(*form, &TForm1::OpenGame1Click, [&](TLoadSave &d) {
        for (const auto &[label, shown] :
             {std::pair{QString("Game1"), title}, {QString("date1"), QString("<h1>1</h1>")}}) {
            EXPECT_EQ(d.label(label)->text(), shown);
            EXPECT_EQ(d.label(label)->textFormat(), Qt::PlainText) << label.toStdString();
        }
        EXPECT_EQ(d.Name1->text(), "<i>Ann</i>");
    }));
}
