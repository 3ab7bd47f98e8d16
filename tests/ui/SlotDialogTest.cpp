#include "FormFixture.h"

#include "ui/HelpContext.h"
#include "ui/Save.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct AskedName {
    QString caption, prompt, text;
};

// Answers the name box with a prepared reply and remembers what it was asked.
class ScriptedInputBox final : public InputBox {
public:
    ScriptedInputBox(std::optional<QString> &reply, std::vector<AskedName> &asked) : reply_(reply), asked_(asked) {}
    std::optional<QString> InputQuery(QWidget *, const QString &caption, const QString &prompt,
                                      const QString &text) override
    {
        asked_.push_back({caption, prompt, text});
        return reply_;
    }

private:
    std::optional<QString> &reply_;
    std::vector<AskedName> &asked_;
};

class SlotDialog : public FormTest {
protected:
    std::unique_ptr<TForm1> makeIdleForm()
    {
        FormServices services = testServices(800, 600);
        services.inputBox = std::make_unique<ScriptedInputBox>(reply, asked);
        auto form = std::make_unique<TForm1>(std::move(services));
        form->Timer1Timer();
        return form;
    }

    // Runs a menu command, handing the dialog it opens to `drive`; false when none opened.
    static bool run(TForm1 &form, void (TForm1::*command)(), const std::function<void(TLoadSave &)> &drive)
    {
        bool shown = false;
        form.showSlotDialog = [&](TLoadSave &dialog) {
            shown = true;
            drive(dialog);
        };
        (form.*command)();
        form.showSlotDialog = nullptr;
        return shown;
    }

    static QString text(const TLoadSave &dialog, const QString &label) { return dialog.label(label)->text(); }

    std::string fileText() const
    {
        std::ifstream in(savedPath());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::optional<QString> reply;
    std::vector<AskedName> asked;
};

// The next widget Tab moves to.
QWidget *nextTabStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

// A game in progress that differs from every default.
void setGame(GameState &g)
{
    applySavedFields(g, {"CurrentGame", "12/07/26", 1500, 2000, 9, 45, 30, 4, 2});
    g.CoinsBet = 2;
}

} // namespace

TEST_F(SlotDialog, FirstRunListsEightDefaultSlotsAndCancelKeepsTheGame)
{
    auto form = makeIdleForm();
    setGame(form->state());
    const GameState before = form->state();
    for (auto command : {&TForm1::SaveGame1Click, &TForm1::OpenGame1Click}) {
        ASSERT_TRUE(run(*form, command, [&](TLoadSave &d) {
            EXPECT_EQ(d.windowTitle(), command == &TForm1::SaveGame1Click ? "Save a Game -- Select Game Slot"
                                                                           : "Open a Game -- Select Game Slot");
            for (int k = 1; k <= 8; ++k) {
                EXPECT_EQ(d.names()[k - 1]->text(), QString("GameNo%1").arg(k));
                EXPECT_EQ(text(d, QString("Game%1").arg(k)), "Varnholt Slots");
                EXPECT_EQ(text(d, QString("date%1").arg(k)), "12/07/26");
                EXPECT_EQ(text(d, QString("credits%1").arg(k)), "1000 Credits");
                EXPECT_EQ(text(d, QString("borrowed%1").arg(k)), "1000 Borrowed");
            }
            EXPECT_EQ(form->state().GameName, "GameNo8") << "the slots are read through the game state";
            EXPECT_EQ(helpContextOf(d.HelpBtn), kHelpSavedGames);
            EXPECT_FALSE(d.HelpBtn->isEnabled()) << "no help viewer given";
            d.CancelBtn->click();
        }));
        EXPECT_EQ(static_cast<const SavedFields &>(form->state()), static_cast<const SavedFields &>(before));
        EXPECT_EQ(form->state().CoinsBet, 2);
    }
}

TEST_F(SlotDialog, EscapeAndTheCloseBoxRestoreTheGameAndPlayStaysLockedMeanwhile)
{
    auto form = makeIdleForm();
    setGame(form->state());
    const SavedFields before = form->state();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    for (bool useEscape : {true, false}) {
        ASSERT_TRUE(run(*form, &TForm1::OpenGame1Click, [&](TLoadSave &d) {
            d.show();
            EXPECT_FALSE(form->OpenGame1->isEnabled());
            form->FormKeyDown(13); // Enter spins on an idle machine
            EXPECT_EQ(form->state().Spins, 0) << "no spin while the dialog holds the game state";
            if (useEscape)
                QApplication::sendEvent(&d, &escape);
            else
                d.close();
            EXPECT_FALSE(d.isVisible());
        }));
        EXPECT_EQ(static_cast<const SavedFields &>(form->state()), before);
        EXPECT_FALSE(form->state().Busy);
        EXPECT_TRUE(form->OpenGame1->isEnabled());
    }
}

TEST_F(SlotDialog, SavedSlotIsListedNextTimeAndTheGameGoesOnUnchanged)
{
    auto form = makeIdleForm();
    setGame(form->state());
    const SavedFields before = form->state();
    reply = QString("Evening game");
    ASSERT_TRUE(run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        d.Name3->setText("Typed over");
        d.BitBtn2->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Name for this saved game?");
    EXPECT_EQ(asked[0].prompt, "");
    EXPECT_EQ(asked[0].text, "Typed over");
    EXPECT_EQ(static_cast<const SavedFields &>(form->state()), before);
    EXPECT_EQ(form->state().CoinsBet, 2);

    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        EXPECT_EQ(d.Name3->text(), "Evening game");
        EXPECT_EQ(text(d, "date3"), "12/07/26");
        EXPECT_EQ(text(d, "credits3"), "1500 Credits");
        EXPECT_EQ(text(d, "borrowed3"), "2000 Borrowed");
        EXPECT_EQ(d.Name4->text(), "GameNo4");
        // Cancelling the name box stores nothing and still closes the dialog.
        const std::string written = fileText();
        reply.reset();
        d.BitBtn4->click();
        EXPECT_EQ(fileText(), written);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(static_cast<const SavedFields &>(form->state()), before);
}

TEST_F(SlotDialog, OpenedSlotIsInProgressAfterARestartAndOddValuesReadAsStored)
{
    const std::string longName(40, 'x');
    {
        std::filesystem::create_directories(std::filesystem::path(savedPath()).parent_path());
        std::ofstream(savedPath()) << "[GameNo5]\nGameName=" << longName << "\nCredits=0x10\nBorrowed=abc\n";
    }
    auto form = makeIdleForm();
    fillSentinel(form->canvas());
    ASSERT_TRUE(run(*form, &TForm1::OpenGame1Click, [&](TLoadSave &d) {
        EXPECT_EQ(d.Name5->text(), QString(30, 'x'));
        EXPECT_EQ(text(d, "credits5"), "16 Credits");
        EXPECT_EQ(text(d, "borrowed5"), "1000 Borrowed");
        d.BitBtn4->click();
    }));
    EXPECT_EQ(form->state().Credits, 16);
    EXPECT_EQ(changedArea(form->canvas()), QRect(QPoint(0, 0), form->canvas().size())) << "repainted";
    form->close();
    EXPECT_EQ(makeIdleForm()->state().Credits, 16);

    // A name is stored whole, however much of it is shown.
    reply = QString::fromStdString(longName);
    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) { d.OKBtn->click(); });
    EXPECT_NE(fileText().find("GameName=" + longName + "\n"), std::string::npos);
}

TEST_F(SlotDialog, FailedWritesKeepTheFileAndTheGame)
{
    auto form = makeIdleForm();
    setGame(form->state());
    const SavedFields before = form->state();
    // The saves folder is a plain file: not even the game in progress can be kept, so the
    // dialog does not open and reads nothing into the game.
    const QString saves = programDir.path() + "/saves";
    QFile blocker(saves);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(run(*form, &TForm1::OpenGame1Click, [](TLoadSave &) {}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Unable to write to " + saves));
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(static_cast<const SavedFields &>(form->state()), before);

    // The folder goes away while the dialog is open: the save fails, the game stays.
    ASSERT_TRUE(QFile::remove(saves));
    reply = QString("Lost?");
    ASSERT_TRUE(run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        ASSERT_TRUE(QDir(saves).removeRecursively());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        d.BitBtn2->click();
    }));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith("Unable to write to"));
    EXPECT_EQ(static_cast<const SavedFields &>(form->state()), before);
}

TEST_F(SlotDialog, LayoutAndKeyboardOrder)
{
    auto form = makeIdleForm();
    run(*form, &TForm1::SaveGame1Click, [&](TLoadSave &d) {
        EXPECT_EQ(d.size(), QSize(616, 360));
        EXPECT_EQ(d.Bevel1->geometry(), QRect(0, 8, 617, 297));
        EXPECT_EQ(d.Panel4->geometry(), QRect(16, 232, 289, 65));
        EXPECT_EQ(d.Panel5->geometry(), QRect(312, 16, 289, 65));
        EXPECT_EQ(d.BitBtn7->parentWidget(), d.Panel8);
        EXPECT_EQ(d.BitBtn7->geometry(), QRect(232, 16, 49, 37));
        EXPECT_EQ(d.label("date8")->geometry(), QRect(168, 28, 57, 13));
        EXPECT_TRUE(d.label("borrowed8")->alignment() & Qt::AlignRight);
        EXPECT_EQ(d.CancelBtn->geometry(), QRect(508, 316, 97, 37));
        EXPECT_EQ(d.HelpBtn->geometry(), QRect(8, 316, 97, 37));
        EXPECT_EQ(nextTabStop(d.Name1), d.OKBtn);
        EXPECT_EQ(nextTabStop(d.OKBtn), d.Name2);
        EXPECT_EQ(nextTabStop(d.BitBtn7), d.HelpBtn);
        EXPECT_EQ(nextTabStop(d.HelpBtn), d.CancelBtn);
        EXPECT_EQ(d.CancelBtn->text(), "&Cancel");
    });
}
