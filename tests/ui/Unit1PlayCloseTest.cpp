// Closing the window while the machine plays: the play under way is judged before the game is
// kept, and a save taken in the middle never keeps a bet that was not judged.

#include "FormFixture.h"

#include "bonus/Chests.h"
#include "ui/Unit2.h"

#include <QApplication>
#include <QTimer>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlayClose : public PlayTest {
protected:
    // The credits the next start-up restores.
    std::int32_t keptCredits() { return makeForm(800, 600)->game().Credits; }
};

} // namespace

TEST_F(PlayClose, CloseDuringTheReelsWaitsForTheSpinToBeJudged)
{
    for (const bool byMenu : {false, true}) {
        auto form = makePlayForm();
        const GameState &g = form->game();
        const std::int32_t start = g.Credits; // the second round starts from the first one's game
        forceStops(*form, kGoldWildStops);
        clock->duringWait = [&] {
            if (form->reelFrameTicks().size() == 10 && !form->closePending()) {
                if (byMenu)
                    form->Exit1Click();
                else
                    form->close();
            }
        };
        betOne(*form);
        spin(*form);
        EXPECT_TRUE(form->closePending());
        EXPECT_LT(form->reelFrameTicks().size(), 47u) << "the rest of the animation is skipped";
        EXPECT_EQ(g.ReelStops, kGoldWildStops);
        EXPECT_EQ(g.Credits, start - 1 + 250) << "the spin is judged and paid";
        EXPECT_EQ(g.SpinWin, 0);
        EXPECT_EQ(waves->count("VrnWin.wav"), 0) << "no waiting on the win sound when closing";

        QCoreApplication::processEvents();
        EXPECT_FALSE(form->Exit1->isEnabled()) << "closed once the spin was over";
        EXPECT_EQ(keptCredits(), start - 1 + 250);
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(PlayClose, SaveDuringAPlayKeepsTheGameAsBeforeIt)
{
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 500; });
    auto form = makePlayForm();
    forceStops(*form, kGoldWildStops);
    betOne(*form);
    bool saved = false;
    clock->duringWait = [&] {
        if (!saved)
            saved = form->saveGameInProgress(); // the desktop session asking mid-spin
    };
    spin(*form);
    ASSERT_TRUE(saved);
    EXPECT_EQ(keptCredits(), 500) << "the coin of the unjudged spin is given back";
}

TEST_F(PlayClose, CloseDuringTheBonusGamePicksForThePlayerAndPaysOnce)
{
    auto form = makePlayForm();
    const GameState &g = form->game();
    forceStops(*form, kBonusMiddleStops);
    // The close arrives while the bonus window runs modally. A guard ends the window if it
    // does not end by itself, so a failure cannot hang the tests.
    QTimer::singleShot(0, form.get(), [&form] { form->close(); });
    bool guardUsed = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&guardUsed] {
        if (auto *window = dynamic_cast<TTrickForm *>(QApplication::activeModalWidget())) {
            guardUsed = true;
            window->Image3MouseDown(chestRect(1).left, chestRect(1).top);
            window->accept();
        }
    });
    guard.start(3000);
    betOne(*form);
    spin(*form);
    guard.stop();
    EXPECT_FALSE(guardUsed);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->Exit1->isEnabled()) << "closed";
    EXPECT_EQ(g.SpinWin, 0);
    const bool nudgePrize = g.Nudges == 6;
    if (!nudgePrize) {
        EXPECT_GT(g.BonusWon, 0);
        EXPECT_EQ(g.Credits, 999 + g.BonusWon);
    }
    EXPECT_EQ(keptCredits(), g.Credits);
}

TEST_F(PlayClose, CloseWhileIdleIsImmediate)
{
    auto form = makePlayForm();
    betOne(*form);
    form->close();
    EXPECT_FALSE(form->closePending());
    EXPECT_FALSE(form->Exit1->isEnabled()) << "closed";
    EXPECT_EQ(keptCredits(), 1000) << "the coin not spun is given back";
}
