// What the History window reads back: figures from kept spins, and the same figures once the
// oldest spins are folded into days.

#include "history/PlayHistory.h"
#include "history/PlayClock.h"

#include "HistoryTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

constexpr std::int64_t kMinute = 60 * 1000;

class PlayHistoryTest : public ::testing::Test {
protected:
    void SetUp() override { ensureCoreApp(); }

    TempFolder folder;
    std::vector<std::string> notices;
    PlayHistory::Notice collect()
    {
        return [this](const std::string &notice) { notices.push_back(notice); };
    }
};

SpinRecord spin(std::int64_t time, int coins, long long line, long long nudge = 0, long long vault = 0)
{
    SpinRecord s;
    s.timeMs = time;
    s.game = "Anna's game";
    s.coins = coins;
    s.lineWin = line;
    s.nudgeWin = nudge;
    s.vaultPrize = vault;
    s.vaultOpened = vault > 0;
    return s;
}

} // namespace

TEST_F(PlayHistoryTest, CreatesItsFolderAndReadsBackTheFigures)
{
    const std::string path = folder.file("a/b/history.sqlite");
    PlayHistory history(path, collect());
    ASSERT_TRUE(history.available());
    EXPECT_TRUE(std::filesystem::is_regular_file(path));

    const std::int64_t now = localDaySpan(1'800'000'000'000).startMs + 12 * 60 * kMinute;
    const std::int64_t yesterday = now - 24 * 60 * kMinute;
    history.recordGame({yesterday, "Anna's game", GameKind::New, 100, 0});
    history.recordSpin(spin(yesterday + kMinute, 3, 10, 0, 25)); // vault credits count as fair
    history.recordSpin(spin(now, 1, 0));
    history.recordSpin(spin(now + 2 * kMinute, 2, 0, 8)); // a nudge win only
    history.recordMoney({now + 3 * kMinute, "Anna's game", MoneyKind::Borrow, 50, 60, 50});
    history.recordSpin(spin(now + 30 * kMinute, 1, 0)); // after a long pause: five minutes count
    history.recordSpin(spin(now + 31 * kMinute, 1, 0));
    SpinRecord other = spin(now + 32 * kMinute, 1, 99);
    other.game = "Bob";
    history.recordSpin(other);
    history.recordSpin(spin(now + 33 * kMinute, 2, 4));

    const HistoryReport report = history.report("Anna's game", now, 100);
    EXPECT_EQ(report.spinsAll, 6);
    EXPECT_EQ(report.spinsToday, 5);
    // 1 (game to first spin) + 5 (overnight, capped) + 2 + 1 + 5 (capped) + 1 + 1 (from Bob's spin)
    EXPECT_EQ(report.playedAllMs, 16 * kMinute);
    EXPECT_EQ(report.playedTodayMs, 15 * kMinute);
    EXPECT_EQ(report.byCoins[0].spins, 3);
    EXPECT_EQ(report.byCoins[0].bet, 3);
    EXPECT_EQ(report.byCoins[0].withoutNudges, 0);
    EXPECT_EQ(report.byCoins[1].spins, 2);
    EXPECT_EQ(report.byCoins[1].bet, 4);
    EXPECT_EQ(report.byCoins[1].withoutNudges, 4);
    EXPECT_EQ(report.byCoins[1].withNudges, 12);
    EXPECT_EQ(report.byCoins[2].withoutNudges, 35);
    EXPECT_EQ(report.longestLosingRun, 2); // a nudge win ends a run, a borrow does not
    ASSERT_EQ(report.bestWins.size(), 3u);
    EXPECT_EQ(report.bestWins[0].won, 35);
    EXPECT_EQ(report.bestWins[0].timeMs, yesterday + kMinute);
    EXPECT_EQ(report.bestWins[1].won, 8);
    EXPECT_EQ(report.bestWins[2].won, 4);

    ASSERT_EQ(report.balance.size(), 8u); // the game's start, six spins and the borrow
    EXPECT_TRUE(report.balance[0].gameStarted);
    EXPECT_EQ(report.balance[0].balance, 100);
    EXPECT_TRUE(report.balance[1].vaultOpened);
    EXPECT_TRUE(report.balance[4].borrowed);
    EXPECT_EQ(report.balance[4].balance, 10);
    EXPECT_EQ(report.balance[4].spin, 3);
    EXPECT_EQ((std::vector<std::string>{"Anna's game", "Bob"}), history.gameNames());
    EXPECT_TRUE(notices.empty());
}

TEST_F(PlayHistoryTest, FoldingKeepsTheAllTimeFiguresAndBoundsTheFile)
{
    PlayHistory whole(folder.file("whole.sqlite"), collect());
    PlayHistory folded(folder.file("folded.sqlite"), collect(), {30, 7});
    std::mt19937 random(7);
    const std::int64_t start = 1'800'000'000'000;
    std::int64_t time = start;
    for (int i = 0; i < 400; ++i) {
        time += std::uniform_int_distribution<std::int64_t>(1000, 4 * 60 * 60 * 1000)(random);
        const int coins = 1 + i % 3;
        const bool wins = random() % 3 == 0;
        SpinRecord s = spin(time, coins, wins ? coins * (random() % 40) : 0, random() % 9 == 0 ? 5 : 0,
                            random() % 50 == 0 ? 200 : 0);
        s.game = i % 5 == 0 ? "Bob" : "Anna's game";
        s.credits = 1000 - i;
        for (PlayHistory *history : {&whole, &folded}) {
            history->recordSpin(s);
            if (i % 17 == 0)
                history->recordMoney({time + 1, s.game, MoneyKind::PayBack, 5, 10, 20});
            if (i % 40 == 0)
                history->recordGame({time + 2, s.game, GameKind::Opened, 10, 20});
        }
    }
    ASSERT_TRUE(whole.available() && folded.available());
    for (const char *game : {"Anna's game", "Bob"}) {
        const HistoryReport a = whole.report(game, time, 50);
        const HistoryReport b = folded.report(game, time, 50);
        EXPECT_EQ(a.spinsAll, b.spinsAll);
        EXPECT_EQ(a.spinsToday, b.spinsToday);
        EXPECT_EQ(a.playedAllMs, b.playedAllMs);
        EXPECT_EQ(a.playedTodayMs, b.playedTodayMs);
        EXPECT_EQ(a.longestLosingRun, b.longestLosingRun);
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(a.byCoins[c].spins, b.byCoins[c].spins);
            EXPECT_EQ(a.byCoins[c].withoutNudges, b.byCoins[c].withoutNudges);
            EXPECT_EQ(a.byCoins[c].withNudges, b.byCoins[c].withNudges);
        }
        ASSERT_EQ(a.bestWins.size(), b.bestWins.size());
        for (std::size_t i = 0; i < a.bestWins.size(); ++i) {
            EXPECT_EQ(a.bestWins[i].won, b.bestWins[i].won);
            EXPECT_EQ(a.bestWins[i].timeMs, b.bestWins[i].timeMs);
        }
        EXPECT_EQ(b.balance.back().spin, b.spinsAll);
    }
    RawDatabase db(folder.file("folded.sqlite"));
    EXPECT_LE(db.value("SELECT count(*) FROM spins").toInt(), 30);
    EXPECT_LE(db.value("SELECT count(*) FROM money").toInt(), 30);
    EXPECT_GT(db.value("SELECT count(*) FROM days").toInt(), 0);
    EXPECT_TRUE(notices.empty());
}
