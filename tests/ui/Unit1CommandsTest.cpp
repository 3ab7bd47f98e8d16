// The menus follow the machine's phase: what changes the game waits for idle, what only reads
// may open while the reels wait, and the slot dialog holds the game but not the manual.

#include "FormFixture.h"

#include <QDialog>

using namespace varnholt;
using namespace varnholt::test;

namespace {

using PlayCommands = PlayTest;

TEST_F(PlayCommands, DuringASpinOnlyTheReadersAndExitAreOffered)
{
    auto form = makePlayForm();
    int opened = 0;
    form->showSideWindow = [&](QDialog &) { ++opened; };
    bool looked = false;
    clock->duringWait = [&] {
        if (looked || form->reelFrameTicks().size() != 10)
            return;
        looked = true;
        for (QAction *waits : {form->NewGame1, form->OpenGame1, form->SaveGame1, form->Borrow1})
            EXPECT_FALSE(waits->isEnabled()) << waits->text().toStdString();
        for (QAction *offered : {form->Stats1, form->Payoffs1, form->Inkfairn1, form->Exit1})
            EXPECT_TRUE(offered->isEnabled()) << offered->text().toStdString();
        const std::int32_t credits = form->game().Credits;
        form->NewGame1Click();
        form->Borrow1Click();
        EXPECT_EQ(form->game().Credits, credits) << "a new game or a loan in the middle of a spin";
        form->Stats1Click();
    };
    betOne(*form);
    spin(*form);
    ASSERT_TRUE(looked);
    EXPECT_EQ(opened, 1) << "the statistics alone opened";
    EXPECT_TRUE(form->NewGame1->isEnabled());
    EXPECT_TRUE(form->Borrow1->isEnabled());
}

TEST_F(PlayCommands, TheSlotDialogHoldsTheGameButNotTheManual)
{
    auto form = makePlayForm();
    bool shown = false;
    form->showSideWindow = [&](QDialog &) {
        shown = true;
        EXPECT_FALSE(form->NewGame1->isEnabled());
        EXPECT_FALSE(form->Stats1->isEnabled());
        EXPECT_TRUE(form->GloamwickSlotsManual1->isEnabled());
    };
    form->OpenGame1Click();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(form->NewGame1->isEnabled());
    EXPECT_TRUE(form->Stats1->isEnabled());
}

} // namespace
