#include "FormFixture.h"

#include <QFileInfo>

using namespace varnholt;
using namespace varnholt::test;

namespace {
class GameInProgress : public FormTest {};
} // namespace

TEST_F(GameInProgress, NoSavedFileStartsWithTheDefaults)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->state().Credits, 1000);
    EXPECT_EQ(form->state().Borrowed, 1000);
    EXPECT_EQ(form->state().Nudges, 0);
    EXPECT_EQ(form->state().Spins, 0);
    EXPECT_EQ(form->state().GameName, "CurrentGame");
    EXPECT_EQ(form->state().CoinsBet, 0);
    EXPECT_EQ(form->state().LastBet, 0);
    EXPECT_TRUE(form->state().SoundOn);
    EXPECT_TRUE(form->state().MusicOn);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameInProgress, GameKeptAtCloseIsRestoredAtTheNextStart)
{
    {
        auto form = makeForm(800, 600);
        GameState &g = form->state();
        g.Credits = 1234;
        g.Borrowed = 2000;
        g.Spins = 17;
        g.TotalBets = 40;
        g.BonusWon = 75;
        g.BonusPts = 3;
        g.Nudges = 5;
        g.CoinsBet = 2; // coins in but not spun go back to the credits when the game is kept
        form->Exit1Click();
        EXPECT_TRUE(g.Exiting);
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(savedPath())));
    }
    auto next = makeForm(1024, 768);
    const GameState &g = next->state();
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

TEST_F(GameInProgress, ClosingTwiceSavesTheGameAsItStoodAtTheFirstClose)
{
    auto form = makeForm(800, 600);
    form->state().Credits = 500;
    form->close();
    form->state().Credits = 1;
    form->close();
    auto next = makeForm(800, 600);
    EXPECT_EQ(next->state().Credits, 500);
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

TEST_F(GameInProgress, NewGameRefillsTheMachineAndRepaints)
{
    auto form = makeForm(800, 600);
    form->Timer1Timer();
    GameState &g = form->state();
    g.Credits = 3;
    g.Nudges = 1;
    g.BonusPts = 9;
    g.CoinsBet = 2;
    g.ReelStops = {1, 2, 3};
    form->NewGame1Click();
    EXPECT_EQ(g.Credits, 1000);
    EXPECT_EQ(g.Borrowed, 1000);
    EXPECT_EQ(g.Nudges, 6);
    EXPECT_EQ(g.BonusPts, 0);
    EXPECT_EQ(g.CoinsBet, 2) << "coins already in stay in";
    EXPECT_EQ(g.ReelStops, (std::array<int, 3>{1, 2, 3}));
    const DigitStrips &strips = form->face().digitStrips();
    EXPECT_TRUE(sameArea(form->canvas(), QRect(556, 38, 16, 21), strips.green.copy(16, 0, 16, 21)));
    EXPECT_TRUE(sameArea(form->canvas(), QRect(250, 38, 16, 21), strips.green.copy(32, 0, 16, 21)));
}

