#include "history/HistoryReader.h"

#include "history/BalanceThinning.h"
#include "history/HistorySql.h"
#include "history/PlayClock.h"

#include <algorithm>
#include <optional>

namespace varnholt {

namespace {

class Reading {
public:
    Reading(const QSqlDatabase &db, const std::string &game, std::int64_t nowMs)
        : db_(db), game_(text(game)), today_(localDaySpan(nowMs)), todayName_(text(localDay(nowMs)))
    {}

    HistoryReport read(std::size_t maxPoints)
    {
        readFoldedDays();
        readFoldedRuns();
        readBestFolded();
        readKept();
        readPlayTime();
        std::stable_sort(best_.begin(), best_.end(),
                         [](const BestWin &a, const BestWin &b) { return a.won > b.won; });
        if (best_.size() > 5)
            best_.resize(5);
        report_.bestWins = best_;
        report_.balance = thinBalance(points_, maxPoints);
        return report_;
    }

private:
    QSqlQuery select(const char *sql)
    {
        QSqlQuery query = prepare(db_, sql);
        query.addBindValue(game_);
        run(query);
        return query;
    }

    void readFoldedDays()
    {
        QSqlQuery query = select("SELECT day, spins, played_ms, spins1, spins2, spins3, fair1, fair2, fair3,"
                                 " all1, all2, all3 FROM days WHERE game = ?");
        while (query.next()) {
            const long long spins = query.value(1).toLongLong();
            const std::int64_t played = query.value(2).toLongLong();
            report_.spinsAll += spins;
            report_.playedAllMs += played;
            if (query.value(0).toString() == todayName_) {
                report_.spinsToday += spins;
                report_.playedTodayMs += played;
            }
            for (int c = 0; c < 3; ++c) {
                CoinReturns &coin = report_.byCoins[static_cast<std::size_t>(c)];
                coin.spins += query.value(3 + c).toLongLong();
                coin.bet += query.value(3 + c).toLongLong() * (c + 1);
                coin.withoutNudges += query.value(6 + c).toLongLong();
                coin.withNudges += query.value(9 + c).toLongLong();
            }
        }
    }

    void readFoldedRuns()
    {
        QSqlQuery query =
            select("SELECT longest_losing_run, trailing_losing_run FROM folded_games WHERE game = ?");
        if (query.next()) {
            report_.longestLosingRun = query.value(0).toLongLong();
            losingRun_ = query.value(1).toLongLong();
        }
    }

    void readBestFolded()
    {
        QSqlQuery query = select("SELECT time, coins, won FROM best_spins WHERE game = ?");
        while (query.next())
            best_.push_back(
                {query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toLongLong()});
    }

    // Spins, borrows and pay-backs of the game in time order.
    void readKept()
    {
        long long spin = report_.spinsAll;
        QSqlQuery query = prepare(
            db_,
            "SELECT time, 0 AS what, id, coins, line_win, nudge_win, vault_prize, vault_opened, credits,"
            " borrowed FROM spins WHERE game = ? UNION ALL SELECT time, 1 + kind, id, 0, 0, 0, 0, 0, credits,"
            " borrowed FROM money WHERE game = ? ORDER BY time, what, id");
        query.addBindValue(game_);
        query.addBindValue(game_);
        run(query);
        while (query.next()) {
            BalancePoint point;
            point.timeMs = query.value(0).toLongLong();
            point.balance = query.value(8).toLongLong() - query.value(9).toLongLong();
            const int what = query.value(1).toInt();
            if (what == 0) {
                ++spin;
                countSpin(query, point.timeMs);
                point.vaultOpened = query.value(7).toBool();
            }
            point.borrowed = what == 1;
            point.paidBack = what == 2;
            point.spin = spin;
            points_.push_back(point);
        }
    }

    void countSpin(const QSqlQuery &query, std::int64_t time)
    {
        const int coins = std::clamp(query.value(3).toInt(), 1, 3);
        const long long fair = query.value(4).toLongLong() + query.value(6).toLongLong();
        const long long won = fair + query.value(5).toLongLong();
        CoinReturns &coin = report_.byCoins[static_cast<std::size_t>(coins - 1)];
        ++coin.spins;
        coin.bet += coins;
        coin.withoutNudges += fair;
        coin.withNudges += won;
        ++report_.spinsAll;
        if (today_.holds(time))
            ++report_.spinsToday;
        losingRun_ = won == 0 ? losingRun_ + 1 : 0;
        report_.longestLosingRun = std::max(report_.longestLosingRun, losingRun_);
        if (won > 0)
            best_.push_back({time, coins, won});
    }

    // The pauses before this game's records, measured from the previous record of any game.
    void readPlayTime()
    {
        const QVariant last = single(db_, "SELECT last_time FROM folded WHERE id = 1");
        std::optional<std::int64_t> previous;
        if (last.isValid())
            previous = last.toLongLong();
        QSqlQuery query = prepare(db_, "SELECT time, game FROM spins UNION ALL SELECT time, game FROM money"
                                       " UNION ALL SELECT time, game FROM games ORDER BY time");
        run(query);
        while (query.next()) {
            const std::int64_t time = query.value(0).toLongLong();
            if (query.value(1).toString() == game_) {
                const std::int64_t gap = countedGapMs(previous, time);
                report_.playedAllMs += gap;
                if (today_.holds(time))
                    report_.playedTodayMs += gap;
            }
            previous = std::max(previous.value_or(time), time);
        }
    }

    const QSqlDatabase &db_;
    QString game_;
    DaySpan today_;
    QString todayName_;
    HistoryReport report_;
    std::vector<BalancePoint> points_;
    std::vector<BestWin> best_;
    long long losingRun_ = 0;
};

} // namespace

HistoryReport readReport(const QSqlDatabase &db, const std::string &game, std::int64_t nowMs,
                         std::size_t maxPoints)
{
    return Reading(db, game, nowMs).read(maxPoints);
}

std::vector<std::string> readGameNames(const QSqlDatabase &db)
{
    QSqlQuery query =
        prepare(db, "SELECT game FROM spins UNION SELECT game FROM money UNION SELECT game FROM games"
                    " UNION SELECT game FROM days ORDER BY 1");
    run(query);
    std::vector<std::string> names;
    while (query.next())
        names.push_back(text(query.value(0)));
    return names;
}

} // namespace varnholt
