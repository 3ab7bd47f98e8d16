// The play history from the main window: what each play writes, the window beside the machine,
// and a history that cannot be kept.

#include "FormFixture.h"
#include "TestWindows.h"

#include "history/PlayHistory.h"
#include "ui/FormServices.h"
#include "ui/HistoryWindow.h"

#include <QAction>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class HistoryFromPlay : public PlayTest {
protected:
    std::string historyPath() const
    {
        return (programDir.path() + "/saves/varnholt-slots-history.sqlite").toStdString();
    }

    HistoryReport reread(const std::string &game, HistoryScope scope = HistoryScope::AllGames)
    {
        PlayHistory history(historyPath(), [](const std::string &notice) { ADD_FAILURE() << notice; });
        return history.report(game, currentTimeMs(), 100, scope);
    }

    // A game that loads the History window from its module beside the program, as installed.
    std::unique_ptr<TestForm1> makeModuleForm()
    {
        FormServices services = testServices(800, 600);
        services.historyWindow = nullptr;
        return makeStartedForm(std::move(services));
    }
    QString moduleBeside() const
    {
        QDir(programDir.path()).mkpath("modules");
        return programDir.path() + "/modules/" + QFileInfo(VARNHOLT_HISTORY_MODULE).fileName();
    }
};

} // namespace

TEST_F(HistoryFromPlay, SpinsBorrowsAndNewGamesAreWrittenAsTheyLand)
{
    auto form = makePlayForm();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(historyPath()))) << "opened at the first record";
    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    forceStops(*form, kLosingStops);
    spin(*form); // the last stake again
    form->NewGame1Click();
    EXPECT_TRUE(messages.empty());

    const HistoryReport report = reread(form->game().GameName);
    ASSERT_EQ(report.spinsAll, 2);
    EXPECT_EQ(report.byCoins[0].spins, 2);
    EXPECT_EQ(report.byCoins[0].bet, 2);
    EXPECT_EQ(report.byCoins[0].withoutNudges, 3) << "the skulls' three credits";
    ASSERT_EQ(report.bestWins.size(), 1u);
    EXPECT_EQ(report.bestWins[0].won, 3);
    EXPECT_EQ(report.longestLosingRun, 1);
    // 1000 - 1000, less a coin, plus three; then a coin lost.
    ASSERT_GE(report.balance.size(), 2u);
    EXPECT_EQ(report.balance[0].balance, 2);
    EXPECT_EQ(report.balance[1].balance, 1);
}

TEST_F(HistoryFromPlay, HistoryAndStatsAgreeAfterEveryPressThroughANudgeAndANewGame)
{
    saveCurrentGameWith([](SavedFields &g) { g.Nudges = 2; });
    auto form = makePlayForm();
    const GameState &g = form->game();
    const auto agree = [&](const char *after, bool gameStarted = false) {
        const HistoryReport report = reread(g.GameName, HistoryScope::ThisGame);
        long long bet = 0;
        for (const CoinReturns &coins : report.byCoins)
            bet += coins.bet;
        EXPECT_EQ(report.spinsAll, g.Spins) << after;
        EXPECT_EQ(bet, g.TotalBets) << after;
        ASSERT_FALSE(report.balance.empty()) << after;
        EXPECT_EQ(report.balance.back().balance, g.Credits - g.Borrowed) << after;
        EXPECT_EQ(report.balance.back().gameStarted, gameStarted) << after;
    };
    forceStops(*form, kSkullAfterNudgeStops);
    betOne(*form);
    spin(*form);
    ASSERT_TRUE(g.NudgeAllowed);
    agree("a losing spin with nudges in hand");
    press(*form, kNudgeButtonX[0], kNudgeButtonY);
    ASSERT_EQ(g.Nudges, 1);
    agree("the nudge that won the skulls");
    form->NewGame1Click();
    agree("New Game", true);
    forceStops(*form, kLosingStops);
    betOne(*form);
    spin(*form);
    agree("the new game's first spin");

    const HistoryReport all = reread(g.GameName);
    EXPECT_EQ(all.spinsAll, 2);
    EXPECT_EQ(all.longestLosingRun, 1) << "a run never crosses into another game";
    EXPECT_EQ(all.byCoins[0].withoutNudges, 0) << "the skulls were a nudge's win";
    EXPECT_EQ(all.byCoins[0].withNudges, 3);
}

TEST_F(HistoryFromPlay, WindowStaysOpenBesideTheMachineAndFollowsThePlay)
{
    auto form = makePlayForm();
    TestHistoryWindow *shown = nullptr;
    form->showSideWindow = [&](QDialog &window) { shown = dynamic_cast<TestHistoryWindow *>(&window); };
    form->History1->trigger();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->isModal());
    EXPECT_TRUE(shown->verdict()->text().isEmpty()) << "no spins yet";
    shown->show();
    // The spin lands while the figures are being read: it is counted once.
    EXPECT_TRUE(shown->loading());
    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    QTRY_VERIFY(!shown->loading());
    EXPECT_TRUE(shown->verdict()->text().startsWith("What you have seen is"));
    const QLabel *all = shown->inAll();
    EXPECT_TRUE(all->text().startsWith("1 spin in ")) << all->text().toStdString();
    forceStops(*form, kLosingStops);
    spin(*form);
    EXPECT_TRUE(all->text().startsWith("2 spins in ")) << "refreshed as the spin landed";
    const QPointer<HistoryWindow> closed(shown);
    shown->reject();
    QTRY_VERIFY(closed.isNull()); // closed, it goes with its chart
}

TEST_F(HistoryFromPlay, AHistoryThatCannotBeKeptIsToldOnceAndPlayGoesOn)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(historyPath()))); // a folder where the file goes
    auto form = makePlayForm();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("The game plays on without it."));
    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(form->game().Spins, 1);
}

TEST_F(HistoryFromPlay, WindowIsLoadedFromItsModuleOnFirstOpen)
{
    ASSERT_TRUE(QFile::copy(VARNHOLT_HISTORY_MODULE, moduleBeside()));
    auto form = makeModuleForm();
    QDialog *shown = nullptr;
    form->showSideWindow = [&](QDialog &window) { shown = &window; };
    form->History1->trigger();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(shown->windowTitle(), "Play History");
    EXPECT_NE(shown->findChild<QChartView *>(), nullptr);
}

TEST_F(HistoryFromPlay, AMissingOrBrokenModuleIsToldAndPlayGoesOn)
{
    auto form = makeModuleForm();
    bool shown = false;
    form->showSideWindow = [&](QDialog &) { shown = true; };
    form->History1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The History window cannot be opened: "));
    QFile broken(moduleBeside());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    form->History1->trigger();
    ASSERT_EQ(messages.size(), 2u) << "told again when asked again";
    EXPECT_FALSE(shown);
    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    EXPECT_EQ(form->game().Spins, 1);
}
