// A history from the first version brought up to date, stored numbers no game writes, the bound
// on every statement, the CSV export, and a report kept up to date record by record.

#include "history/PlayHistory.h"

#include "HistoryTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <cstdint>
#include <future>
#include <limits>

using namespace varnholt;
using namespace varnholt::testing;

namespace {

constexpr std::int64_t kDay0 = 1'800'000'000'000;

class HistoryRecordsTest : public ::testing::Test {
protected:
    void SetUp() override { ensureCoreApp(); }
    PlayHistory::Notice collect()
    {
        return [this](const std::string &notice) { notices.push_back(notice); };
    }
    TempFolder folder;
    std::vector<std::string> notices;
};

SpinRecord spinOf(std::string game, std::int64_t time, long long line, long long credits)
{
    SpinRecord s;
    s.game = std::move(game);
    s.timeMs = time;
    s.lineWin = line;
    s.credits = credits;
    return s;
}

void expectSameReport(const HistoryReport &a, const HistoryReport &b)
{
    EXPECT_EQ(a.spinsAll, b.spinsAll);
    EXPECT_EQ(a.spinsToday, b.spinsToday);
    EXPECT_EQ(a.playedAllMs, b.playedAllMs);
    EXPECT_EQ(a.longestLosingRun, b.longestLosingRun);
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(a.byCoins[c].spins, b.byCoins[c].spins);
        EXPECT_EQ(a.byCoins[c].withoutNudges, b.byCoins[c].withoutNudges);
        EXPECT_EQ(a.byCoins[c].withNudges, b.byCoins[c].withNudges);
    }
    ASSERT_EQ(a.bestWins.size(), b.bestWins.size());
    for (std::size_t i = 0; i < a.bestWins.size(); ++i)
        EXPECT_EQ(a.bestWins[i].won, b.bestWins[i].won);
    ASSERT_EQ(a.balance.size(), b.balance.size());
    for (std::size_t i = 0; i < a.balance.size(); ++i) {
        const BalancePoint &p = a.balance[i], &q = b.balance[i];
        EXPECT_EQ(std::tie(p.spin, p.balance, p.borrowed, p.paidBack, p.vaultOpened, p.gameStarted),
                  std::tie(q.spin, q.balance, q.borrowed, q.paidBack, q.vaultOpened, q.gameStarted))
            << "point " << i;
    }
}

} // namespace

TEST_F(HistoryRecordsTest, AFileFromTheFirstVersionIsBroughtUpToDateWithItsGamesToldApart)
{
    const std::string path = folder.file("history.sqlite");
    {
        RawDatabase raw(path);
        for (const char *sql : {
                 "PRAGMA application_id = 1448299592",
                 "CREATE TABLE spins(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
                 " coins INTEGER NOT NULL, stop1 INTEGER NOT NULL, stop2 INTEGER NOT NULL, stop3 INTEGER NOT "
                 "NULL,"
                 " line_win INTEGER NOT NULL, nudge_win INTEGER NOT NULL, nudges_used INTEGER NOT NULL,"
                 " nudges_earned INTEGER NOT NULL, vault_prize INTEGER NOT NULL, vault_opened INTEGER NOT "
                 "NULL,"
                 " credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
                 "CREATE INDEX spins_by_time ON spins(time)",
                 "CREATE INDEX spins_by_game ON spins(game, time)",
                 "CREATE TABLE money(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
                 " kind INTEGER NOT NULL, amount INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed "
                 "INTEGER NOT NULL)",
                 "CREATE INDEX money_by_time ON money(time)",
                 "CREATE TABLE games(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, game TEXT NOT NULL,"
                 " kind INTEGER NOT NULL, credits INTEGER NOT NULL, borrowed INTEGER NOT NULL)",
                 "CREATE INDEX games_by_time ON games(time)",
                 "CREATE TABLE days(day TEXT NOT NULL, game TEXT NOT NULL, spins INTEGER NOT NULL,"
                 " bet INTEGER NOT NULL, returned INTEGER NOT NULL, best_win INTEGER NOT NULL,"
                 " spins1 INTEGER NOT NULL, spins2 INTEGER NOT NULL, spins3 INTEGER NOT NULL,"
                 " fair1 INTEGER NOT NULL, fair2 INTEGER NOT NULL, fair3 INTEGER NOT NULL,"
                 " all1 INTEGER NOT NULL, all2 INTEGER NOT NULL, all3 INTEGER NOT NULL, played_ms INTEGER "
                 "NOT NULL,"
                 " borrows INTEGER NOT NULL, borrowed INTEGER NOT NULL, paybacks INTEGER NOT NULL,"
                 " paid_back INTEGER NOT NULL, games INTEGER NOT NULL, PRIMARY KEY(day, game))",
                 "CREATE TABLE folded_games(game TEXT PRIMARY KEY, longest_losing_run INTEGER NOT NULL,"
                 " trailing_losing_run INTEGER NOT NULL)",
                 "CREATE TABLE best_spins(time INTEGER NOT NULL, game TEXT NOT NULL,"
                 " coins INTEGER NOT NULL, won INTEGER NOT NULL)",
                 "CREATE TABLE folded(id INTEGER PRIMARY KEY CHECK (id = 1), last_time INTEGER NOT NULL)",
                 "INSERT INTO days VALUES('2020-01-01', 'CurrentGame', 4, 4, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0,"
                 " 0, 0, 0, 0, 0, 0)",
                 "INSERT INTO folded_games VALUES('CurrentGame', 4, 4)",
                 "INSERT INTO spins VALUES(1, 1800000000000, 'CurrentGame', 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, "
                 "10, 0)",
                 "INSERT INTO games VALUES(1, 1800000001000, 'CurrentGame', 0, 1000, 0)",
                 "INSERT INTO spins VALUES(2, 1800000002000, 'CurrentGame', 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, "
                 "999, 0)",
             })
            ASSERT_TRUE(raw.exec(sql)) << sql;
    }
    PlayHistory history(path, collect());
    ASSERT_TRUE(history.available());
    EXPECT_TRUE(notices.empty());
    const HistoryReport all = history.report("CurrentGame", kDay0, 100);
    EXPECT_EQ(all.spinsAll, 6);
    EXPECT_EQ(all.longestLosingRun, 5)
        << "the folded run went on into the first kept spin, then a game began";
    ASSERT_EQ(all.balance.size(), 3u);
    EXPECT_TRUE(all.balance[1].gameStarted);
    const HistoryReport game = history.report("CurrentGame", kDay0, 100, HistoryScope::ThisGame);
    EXPECT_EQ(game.spinsAll, 1);
    EXPECT_EQ(game.longestLosingRun, 1);
    EXPECT_EQ(RawDatabase(path).value("PRAGMA user_version").toInt(), 1);
}

TEST_F(HistoryRecordsTest, StoredNumbersNoGameWritesAreReadWithoutOverflow)
{
    const std::string path = folder.file("history.sqlite");
    {
        PlayHistory history(path, nullptr);
        history.recordSpin(spinOf("Anna", kDay0, 1, 1));
        history.recordSpin(spinOf("Anna", kDay0 + 1000, 1, 1));
    }
    {
        RawDatabase raw(path);
        ASSERT_TRUE(
            raw.exec("UPDATE spins SET line_win = 9223372036854775807, nudge_win = 9223372036854775807,"
                     " vault_prize = 9223372036854775807, credits = -9223372036854775807,"
                     " time = 9223372036854775807"));
        ASSERT_TRUE(
            raw.exec("INSERT INTO days VALUES('2020-01-01', 'Anna', 0, 9223372036854775807, 1, 1, 1,"
                     " 9223372036854775807, 9223372036854775807, 9223372036854775807, 9223372036854775807,"
                     " 9223372036854775807, 9223372036854775807, 9223372036854775807, 9223372036854775807,"
                     " 9223372036854775807, 9223372036854775807, 0, 0, 0, 0, 0)"));
    }
    PlayHistory history(path, collect());
    const HistoryReport report = history.report("Anna", kDay0, 100);
    EXPECT_TRUE(notices.empty());
    EXPECT_GT(report.spinsAll, 0);
    EXPECT_GE(report.playedAllMs, 0);
    for (const CoinReturns &coin : report.byCoins) {
        EXPECT_GE(coin.bet, 0);
        EXPECT_GE(coin.withNudges, coin.withoutNudges);
    }
    for (const BalancePoint &point : report.balance)
        EXPECT_LT(point.balance, 0) << "credits far below zero stay below zero";
}

TEST_F(HistoryRecordsTest, AStatementPastItsBoundStopsTheHistoryNotTheGame)
{
    const std::string path = folder.file("history.sqlite");
    {
        PlayHistory history(path, nullptr);
        for (int i = 0; i < 3000; ++i)
            history.recordSpin(spinOf("Anna", kDay0 + i, i % 3, 5));
    }
    HistoryLimits limits;
    limits.statementSteps = 20'000;
    PlayHistory history(path, collect(), limits);
    history.report("Anna", kDay0, 100);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("takes far too long"), std::string::npos) << notices[0];
}

TEST_F(HistoryRecordsTest, ExportsOneCsvRowPerRecordUnderAHeader)
{
    PlayHistory history(folder.file("history.sqlite"), collect());
    history.recordGame({kDay0, "=Anna, \"the bold\"", GameKind::New, 1000, 0});
    SpinRecord spin = spinOf("=Anna, \"the bold\"", kDay0 + 1000, 0, 999);
    spin.coins = 2;
    spin.stops = {3, 14, 27};
    history.recordSpin(spin);
    history.recordNudge({"=Anna, \"the bold\"", 0, 0, true, 50, 1049, 0});
    const std::string csv = history.csv();
    const std::string header = "time,record,game,game began,coins,stops,line win,nudge win,nudges used,"
                               "nudges earned,vault,vault prize,amount,credits,borrowed\r\n";
    ASSERT_EQ(csv.substr(0, header.size()), header);
    const std::size_t second = csv.find("\r\n", header.size()) + 2;
    const std::string row = csv.substr(second, csv.find("\r\n", second) - second);
    const std::string began =
        QDateTime::fromMSecsSinceEpoch(kDay0).toString("yyyy-MM-ddTHH:mm:ss").toStdString();
    const std::string time =
        QDateTime::fromMSecsSinceEpoch(kDay0 + 1000).toString("yyyy-MM-ddTHH:mm:ss").toStdString();
    // The game's name as text, never a formula; the vault opened by the nudge after the spin.
    EXPECT_EQ(row, time + ",spin,\"'=Anna, \"\"the bold\"\"\"," + began +
                       ",2,3 14 27,0,0,1,0,by a nudge,50,,1049,0");
}

TEST_F(HistoryRecordsTest, AReportKeptUpToDateRecordByRecordIsTheReportReadAfresh)
{
    const std::string path = folder.file("history.sqlite");
    PlayHistory kept(path, collect());
    const auto compare = [&](HistoryScope scope) {
        const HistoryReport live = kept.report("Anna", kDay0, 40, scope);
        PlayHistory fresh(path, collect());
        SCOPED_TRACE(scope == HistoryScope::ThisGame ? "this game" : "all games");
        expectSameReport(live, fresh.report("Anna", kDay0, 40, scope));
    };
    std::int64_t time = kDay0;
    for (int game = 0; game < 3; ++game) {
        kept.recordGame({time += 1000, "Anna", game == 1 ? GameKind::Opened : GameKind::New, 1000, 0});
        kept.report("Anna", kDay0, 40, HistoryScope::ThisGame);
        for (int i = 0; i < 30; ++i) {
            kept.recordSpin(
                spinOf(i % 7 == 3 ? "Bob" : "Anna", time += 20'000, i % 4 == 0 ? 6 : 0, 1000 - i));
            if (i % 5 == 1)
                kept.recordNudge({"Anna", i % 10 == 1 ? 8 : 0, 2, i == 21, i == 21 ? 40 : 0, 1010 - i, 0});
            if (i % 9 == 2)
                kept.recordMoney(
                    {time += 500, "Anna", i % 2 ? MoneyKind::Borrow : MoneyKind::PayBack, 50, 1000, 50});
            compare(i % 2 ? HistoryScope::ThisGame : HistoryScope::AllGames);
        }
    }
    EXPECT_TRUE(notices.empty());
}

TEST_F(HistoryRecordsTest, AFileOverItsLimitIsFoldedInSlicesAndGivesItsSpaceBack)
{
    const std::string path = folder.file("history.sqlite");
    const std::string longName(400, 'n'); // rows large enough to fill many pages
    {
        PlayHistory history(path, collect());
        for (int i = 0; i < 3000; ++i)
            history.recordSpin(spinOf(longName, kDay0 + i * 1000, i % 4 == 0 ? 2 : 0, 1000 + i % 7));
    }
    const HistoryReport whole = PlayHistory(path, collect()).report(longName, kDay0, 50);
    HistoryLimits limits;
    limits.rowLimit = 400;
    limits.foldBatch = 100;
    limits.foldSlice = 150;
    {
        PlayHistory history(path, collect(), limits);
        ASSERT_TRUE(history.available());
        EXPECT_TRUE(history.overLimit()) << "one slice when opened, the rest a slice at a time";
        while (history.overLimit())
            history.foldSlice();
        const HistoryReport folded = history.report(longName, kDay0, 50);
        EXPECT_EQ(folded.spinsAll, whole.spinsAll);
        EXPECT_EQ(folded.longestLosingRun, whole.longestLosingRun);
        EXPECT_EQ(folded.byCoins[0].withNudges, whole.byCoins[0].withNudges);
    }
    RawDatabase raw(path);
    EXPECT_LE(raw.value("SELECT count(*) FROM spins").toInt(), 400);
    EXPECT_EQ(raw.value("PRAGMA freelist_count").toInt(), 0) << "the folded rows' pages went back";
    EXPECT_TRUE(notices.empty());
}

TEST_F(HistoryRecordsTest, ANudgeLeftInHandBySavedPlayAddsToItsSpinAfterARestart)
{
    const std::string path = folder.file("history.sqlite");
    PlayHistory(path, collect()).recordSpin(spinOf("Anna", kDay0, 0, 999));
    PlayHistory history(path, collect());
    history.recordNudge({"Anna", 3, 0, false, 0, 1002, 0});
    const HistoryReport report = history.report("Anna", kDay0, 10);
    EXPECT_EQ(report.spinsAll, 1);
    EXPECT_EQ(report.byCoins[0].withNudges, 3);
    ASSERT_FALSE(report.balance.empty());
    EXPECT_EQ(report.balance.back().balance, 1002);
    EXPECT_TRUE(notices.empty());
}

// The figures read on a thread of their own while play goes on: a record written before the
// reading's snapshot or after it is counted once.
TEST_F(HistoryRecordsTest, RecordsWrittenWhileTheReportLoadsAreCountedOnce)
{
    for (const bool afterSnapshot : {false, true}) {
        SCOPED_TRACE(afterSnapshot ? "written after the snapshot" : "written as the load starts");
        const std::string path = folder.file(afterSnapshot ? "after.sqlite" : "as.sqlite");
        PlayHistory history(path, collect());
        std::int64_t time = kDay0;
        history.recordGame({time, "Anna", GameKind::New, 1000, 0});
        for (int i = 0; i < 20; ++i)
            history.recordSpin(spinOf("Anna", time += 1000, i % 3 ? 0 : 5, 1000 + i));
        std::promise<void> read, goOn;
        std::shared_future<void> mayEnd = goOn.get_future().share();
        history.loadReport("Anna", kDay0, HistoryScope::ThisGame, [&read, mayEnd] {
            read.set_value();
            mayEnd.wait();
        });
        if (afterSnapshot)
            read.get_future().wait();
        history.recordNudge({"Anna", 4, 0, false, 0, 1030, 0});
        history.recordSpin(spinOf("Anna", time += 1000, 7, 1040));
        history.recordMoney({time += 10, "Anna", MoneyKind::Borrow, 50, 1090, 50});
        history.recordNudge({"Anna", 0, 1, true, 30, 1120, 50});
        EXPECT_TRUE(history.loading());
        goOn.set_value();
        ASSERT_TRUE(history.keepLoaded());
        ASSERT_TRUE(history.reportKept("Anna", kDay0, HistoryScope::ThisGame));
        const HistoryReport live = history.report("Anna", kDay0, 40, HistoryScope::ThisGame);
        EXPECT_EQ(live.spinsAll, 21);
        expectSameReport(live,
                         PlayHistory(path, collect()).report("Anna", kDay0, 40, HistoryScope::ThisGame));
    }
    EXPECT_TRUE(notices.empty());
}
