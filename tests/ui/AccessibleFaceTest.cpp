// What a screen reader finds in the game's windows: the reels by their symbols, each result,
// whether a nudge may be used, the vault's chests, and controls named for what they do.

#include "FormFixture.h"
#include "TestWindows.h"

#include "presentation/FaceControls.h"
#include "ui/Borrow.h"
#include "ui/FaceAccessible.h"
#include "ui/FaceWidget.h"
#include "ui/Save.h"
#include "ui/SpokenNotice.h"
#include "ui/Unit2.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class AccessibleGame : public PlayTest {
protected:
    static QAccessibleInterface *faceOf(TestForm1 &form)
    {
        return QAccessible::queryAccessibleInterface(&form.faceWidget());
    }
    static QString nameOf(QAccessibleInterface *node)
    {
        return node ? node->text(QAccessible::Name) : "(none)";
    }
    static QString resultOf(TestForm1 &form) { return nameOf(faceOf(form)->child(faceResultChild())); }
    static bool nudgeUsable(TestForm1 &form)
    {
        return !faceOf(form)->child(kFirstNudgeControl)->state().disabled;
    }
};

} // namespace

TEST_F(AccessibleGame, ReelsResultsAndTheNudgeOffer)
{
    saveCurrentGameWith([](SavedFields &g) { g.Nudges = 2; });
    auto form = makePlayForm();
    QAccessibleInterface *face = faceOf(*form);
    EXPECT_EQ(resultOf(*form), "No spin yet.");
    EXPECT_FALSE(nudgeUsable(*form)) << "no nudge before the first spin";

    forceStops(*form, kLosingStops);
    betOne(*form);
    spin(*form);
    EXPECT_EQ(nameOf(face->child(faceReelChild(0))), "Reel 1: gold bars, knight, horse");
    EXPECT_EQ(nameOf(face->child(faceReelChild(1))), "Reel 2: skull, Bonus, scrolls");
    EXPECT_EQ(nameOf(face->child(faceReelChild(2))), "Reel 3: scrolls, skull, cross shield");
    EXPECT_EQ(resultOf(*form), "No win. 2 nudges to use: press 1, 2 or 3.");
    EXPECT_EQ(form->spokenNotice().sentence(), resultOf(*form)) << "said by the window's notice";
    EXPECT_TRUE(nudgeUsable(*form));

    forceStops(*form, kGoldWildStops);
    betOne(*form);
    spin(*form);
    EXPECT_EQ(resultOf(*form), "Won 250 credits on the middle line. Two nudges won.");
    EXPECT_FALSE(nudgeUsable(*form)) << "no nudge after a win";

    // Spin pressed through the screen reader: the spin runs once the call has returned.
    QAccessibleActionInterface *spinButton = face->child(0)->actionInterface();
    ASSERT_NE(spinButton, nullptr);
    spinButton->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->game().Spins, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->game().Spins, 3);
}

TEST_F(AccessibleGame, VaultListsItsChestsAndTellsThePrize)
{
    auto form = makePlayForm();
    forceStops(*form, kBonusMiddleStops);
    QString announcedAtOpening;
    form->showBonusWindow = [&](TTrickForm &vault) {
        announcedAtOpening = form->faceWidget().lastResult();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&vault)->text(QAccessible::Name), "The vault");
        QAccessibleInterface *chests = QAccessible::queryAccessibleInterface(vault.chestRoom());
        ASSERT_EQ(chests->role(), QAccessible::List);
        ASSERT_EQ(chests->childCount(), 5);
        EXPECT_EQ(nameOf(chests->child(0)), "Chest 1: large chest, front left");
        EXPECT_EQ(nameOf(chests->child(4)), "Chest 5: large chest, front right");

        vault.FormKeyDown(Qt::Key_Right);
        EXPECT_TRUE(chests->child(0)->state().selected) << "the highlight is the selected chest";
        EXPECT_EQ(chests->focusChild(), chests->child(0));

        chests->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        ASSERT_TRUE(vault.boxPicked());
        EXPECT_EQ(nameOf(chests->child(2)),
                  "Chest 3: middle chest, opened: " + TestTrickForm::prizeTextOf(vault));
        EXPECT_EQ(vault.notice().sentence(), nameOf(chests->child(2))) << "said as the chest opens";
        EXPECT_TRUE(chests->child(0)->state().disabled) << "the others can no longer be picked";
    };
    betOne(*form);
    spin(*form);
    EXPECT_EQ(announcedAtOpening, "The vault opens.");
    EXPECT_TRUE(resultOf(*form) == "The vault gave six nudges." ||
                resultOf(*form).endsWith(" from the vault."))
        << resultOf(*form).toStdString();
}

TEST_F(AccessibleGame, ChipsAndSlotButtonsSayWhatTheyDo)
{
    GameState castle;
    const SavedGameFile file{savedPath(), [] { return CalendarDate{2026, 12, 7}; }};
    ASSERT_TRUE(SaveLoadGame(file, castle, 2, true, "Castle <b>run</b>").ok());
    auto form = makePlayForm();
    int shown = 0;
    form->showSideWindow = [&](QDialog &window) {
        ++shown;
        if (auto *borrow = dynamic_cast<TBorrowC *>(&window)) {
            EXPECT_EQ(borrow->BitBtn1->accessibleName(), "Borrow 1000 credits");
            EXPECT_EQ(borrow->BitBtn4->accessibleName(), "Borrow 1 credit");
            borrow->BitBtn2->click();
            EXPECT_EQ(TestBorrow::noticeOf(*borrow).sentence(),
                      "Borrowed 100 credits. Credits: 1100. Borrowed: 1100.");
            borrow->RadioButton2->setChecked(true);
            EXPECT_EQ(borrow->BitBtn2->accessibleName(), "Pay back 100 credits");
            borrow->BitBtn4->click();
            EXPECT_EQ(TestBorrow::noticeOf(*borrow).sentence(),
                      "Paid back 1 credit. Credits: 1099. Borrowed: 1099.");
        } else if (auto *slotDialog = dynamic_cast<TLoadSave *>(&window)) {
            const bool saving = slotDialog->windowTitle().startsWith("Save");
            EXPECT_EQ(slotDialog->BitBtn2->accessibleName(),
                      saving ? "Save in slot 3, Castle <b>run</b>" : "Open slot 3, Castle <b>run</b>");
            EXPECT_EQ(slotDialog->OKBtn->accessibleName(),
                      saving ? "Save in slot 1, GameNo1" : "Open slot 1, GameNo1");
            EXPECT_EQ(slotDialog->Name1->accessibleDescription(), "Empty") << "never saved into";
            EXPECT_TRUE(slotDialog->BitBtn2->accessibleDescription().contains("Credits"))
                << slotDialog->BitBtn2->accessibleDescription().toStdString();
            EXPECT_EQ(slotDialog->Name3->accessibleDescription(),
                      slotDialog->BitBtn2->accessibleDescription());
            if (saving) {
                slotDialog->Name1->setText(QString());
                QTest::keyClicks(slotDialog->Name1, "Tower");
                EXPECT_EQ(slotDialog->OKBtn->accessibleName(), "Save in slot 1, Tower")
                    << "follows the name typed";
            } else {
                slotDialog->BitBtn7Click(slotDialog->BitBtn2);
            }
        }
    };
    form->Borrow1Click();
    form->SaveGame1Click();
    form->OpenGame1Click();
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(form->spokenNotice().sentence(),
              "Opened slot 3, Castle <b>run</b>. Credits: 1000. Borrowed: 1000.")
        << "said once the dialog has closed";
}

TEST_F(AccessibleGame, TabWalksThePartsWithoutPlaying)
{
    auto form = makePlayForm();
    FaceWidget &face = form->faceWidget();
    const SavedFields before = savedFieldsOf(form->game());
    QTest::keyClick(&face, Qt::Key_Tab);
    EXPECT_EQ(face.focusedPart(), faceResultChild()) << "the result comes first";
    QTest::keyClick(&face, Qt::Key_Tab);
    EXPECT_EQ(face.focusedPart(), faceReelChild(0));
    for (int press = 0; press < 2; ++press)
        QTest::keyClick(&face, Qt::Key_Backtab);
    EXPECT_EQ(face.focusedPart(), faceTabOrder().back()) << "Shift+Tab wraps round";
    EXPECT_EQ(int(faceTabOrder().size()), faceOf(*form)->childCount()) << "every part once";
    EXPECT_EQ(savedFieldsOf(form->game()), before);
    EXPECT_EQ(form->game().CoinsBet, 0) << "Tab presses nothing";
    const QString credits = faceOf(*form)->child(faceTabOrder()[4])->text(QAccessible::Name);
    EXPECT_EQ(credits, QString("Credits: %1").arg(before.Credits)) << "a meter says its number";
}
