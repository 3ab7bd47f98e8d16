#include "FormFixture.h"

#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "presentation/MachineFace.h"

#include <QFileInfo>

using namespace varnholt;
using namespace varnholt::test;

namespace {
class GameInProgress : public PlayTest {};
} // namespace

TEST_F(GameInProgress, NoSavedFileStartsWithTheDefaults)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->game().Credits, 1000);
    EXPECT_EQ(form->game().Borrowed, 1000);
    EXPECT_EQ(form->game().Nudges, 0);
    EXPECT_EQ(form->game().Spins, 0);
    EXPECT_EQ(form->game().GameName, "CurrentGame");
    EXPECT_EQ(form->game().CoinsBet, 0);
    EXPECT_EQ(form->game().LastBet, 0);
    EXPECT_TRUE(form->game().SoundOn);
    EXPECT_TRUE(form->game().MusicOn);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameInProgress, GameKeptAtCloseIsRestoredAtTheNextStart)
{
    {
        saveCurrentGame({"CurrentGame", "01/01/26", 1236, 2000, 17, 40, 75, 3, 5});
        auto form = makeStartedForm();
        const GameState &g = form->game();
        // Coins in but not spun go back to the credits when the game is kept.
        betOne(*form);
        betOne(*form);
        ASSERT_EQ(g.CoinsBet, 2);
        ASSERT_EQ(g.Credits, 1234);
        form->Exit1Click();
        EXPECT_FALSE(form->Exit1->isEnabled()) << "closed";
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(savedPath())));
    }
    auto next = makeForm(1024, 768);
    const GameState &g = next->game();
    EXPECT_EQ(g.Credits, 1236);
    EXPECT_EQ(g.Borrowed, 2000);
    EXPECT_EQ(g.Spins, 17);
    EXPECT_EQ(g.TotalBets, 40);
    EXPECT_EQ(g.BonusWon, 75);
    EXPECT_EQ(g.BonusPts, 3);
    EXPECT_EQ(g.Nudges, 5);
    EXPECT_EQ(g.CoinsBet, 0);
    EXPECT_EQ(g.GameDate, "12/07/26");
    // The restored credits are what the meter shows.
    const DigitStrips &strips = next->face().digitStrips();
    const QImage six = strips.green.copy(6 * 32, 0, 32, 42);
    EXPECT_TRUE(sameArea(next->canvas(), QRect(793 - 32, 48, 32, 42), six));
}

TEST_F(GameInProgress, AClosedMachineTakesNoMoreCommandsAndKeepsItsGame)
{
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 500; });
    auto form = makeStartedForm();
    form->close();
    EXPECT_FALSE(form->NewGame1->isEnabled());
    EXPECT_FALSE(form->Exit1->isEnabled());
    form->NewGame1Click();
    EXPECT_EQ(form->game().Credits, 500) << "New Game after the close";
    form->close();
    auto next = makeForm(800, 600);
    EXPECT_EQ(next->game().Credits, 500);
}

TEST_F(GameInProgress, AFailedSaveIsReportedNotSwallowed)
{
    // A plain file where the saves folder should be: the save cannot be written.
    QFile blocker(programDir.path() + "/saves");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto form = makeForm(800, 600);
    form->close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Unable to write to")) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].caption, "Varnholt Slots");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
}

TEST_F(GameInProgress, ASignalWithAnUnwritableSavedGameClosesWithoutWaitingForAClick)
{
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 500; });
    QFile saved(QString::fromStdString(savedPath()));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    ASSERT_TRUE(saved.setPermissions(QFile::ReadOwner));

    auto bySignal = makeForm(800, 600);
    bySignal->closeBySignal();
    EXPECT_TRUE(bySignal->gameKept());
    EXPECT_TRUE(messages.empty()) << "no box for a click that never comes";

    auto byHand = makeForm(800, 600);
    byHand->close();
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
}

TEST_F(GameInProgress, NewGameRefillsTheMachineAndRepaints)
{
    saveCurrentGameWith([](SavedFields &g) {
        g.Credits = 5;
        g.BonusPts = 9;
        g.Nudges = 1;
    });
    auto form = makeStartedForm();
    const GameState &g = form->game();
    forceStops(*form, kLosingStops);
    betOne(*form);
    spin(*form);
    betOne(*form);
    betOne(*form);
    ASSERT_EQ(g.CoinsBet, 2);
    form->NewGame1Click();
    EXPECT_EQ(g.Credits, 1000);
    EXPECT_EQ(g.Borrowed, 1000);
    EXPECT_EQ(g.Nudges, 6);
    EXPECT_EQ(g.BonusPts, 0);
    EXPECT_EQ(g.CoinsBet, 2) << "coins already in stay in";
    EXPECT_EQ(g.ReelStops, kLosingStops);
    const DigitStrips &strips = form->face().digitStrips();
    EXPECT_TRUE(sameArea(form->canvas(), QRect(556, 38, 16, 21), strips.green.copy(16, 0, 16, 21)));
    EXPECT_TRUE(sameArea(form->canvas(), QRect(250, 38, 16, 21), strips.green.copy(32, 0, 16, 21)));
}
