#include "history/HistoryFold.h"

#include "history/HistorySql.h"
#include "history/PlayClock.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnholt {

namespace {

struct DayTotals {
    std::array<long long, 3> spins{};
    std::array<long long, 3> fair{};
    std::array<long long, 3> all{};
    long long bestWin = 0;
    std::int64_t playedMs = 0;
    long long borrows = 0;
    long long borrowed = 0;
    long long paybacks = 0;
    long long paidBack = 0;
    long long games = 0;
};

struct LosingRuns {
    long long longest = 0;
    long long trailing = 0;
};

using DayKey = std::pair<std::string, std::string>;  // day, game
using Moment = std::pair<std::int64_t, std::string>; // time, game

class Folding {
public:
    Folding(const QSqlDatabase &db, std::int64_t cutoffMs) : db_(db), cutoff_(cutoffMs) {}

    void run()
    {
        loadRuns();
        readSpins();
        readMoney();
        readGames();
        countPlayTime();
        writeDays();
        writeRuns();
        keepBestSpins();
        for (const char *sql : {"DELETE FROM spins WHERE time <= ?", "DELETE FROM money WHERE time <= ?",
                                "DELETE FROM games WHERE time <= ?"})
            exec(sql);
    }

private:
    QSqlQuery select(const char *sql)
    {
        QSqlQuery query = prepare(db_, sql);
        query.addBindValue(QVariant::fromValue<qint64>(cutoff_));
        varnholt::run(query);
        return query;
    }
    void exec(const char *sql) { select(sql); }

    void loadRuns()
    {
        QSqlQuery query =
            prepare(db_, "SELECT game, longest_losing_run, trailing_losing_run FROM folded_games");
        varnholt::run(query);
        while (query.next())
            runs_[text(query.value(0))] = {query.value(1).toLongLong(), query.value(2).toLongLong()};
    }

    void readSpins()
    {
        QSqlQuery query = select("SELECT time, game, coins, line_win, nudge_win, vault_prize FROM spins"
                                 " WHERE time <= ? ORDER BY time, id");
        while (query.next()) {
            const std::int64_t time = query.value(0).toLongLong();
            std::string game = text(query.value(1));
            const int coin = std::clamp(query.value(2).toInt(), 1, 3) - 1;
            const long long fair = query.value(3).toLongLong() + query.value(5).toLongLong();
            const long long won = fair + query.value(4).toLongLong();
            DayTotals &day = days_[{localDay(time), game}];
            ++day.spins[coin];
            day.fair[coin] += fair;
            day.all[coin] += won;
            day.bestWin = std::max(day.bestWin, won);
            LosingRuns &run = runs_[game];
            run.trailing = won == 0 ? run.trailing + 1 : 0;
            run.longest = std::max(run.longest, run.trailing);
            moments_.emplace_back(time, std::move(game));
        }
    }

    void readMoney()
    {
        QSqlQuery query = select("SELECT time, game, kind, amount FROM money WHERE time <= ?");
        while (query.next()) {
            const std::int64_t time = query.value(0).toLongLong();
            std::string game = text(query.value(1));
            DayTotals &day = days_[{localDay(time), game}];
            const long long amount = query.value(3).toLongLong();
            if (query.value(2).toInt() == 0) {
                ++day.borrows;
                day.borrowed += amount;
            } else {
                ++day.paybacks;
                day.paidBack += amount;
            }
            moments_.emplace_back(time, std::move(game));
        }
    }

    void readGames()
    {
        QSqlQuery query = select("SELECT time, game FROM games WHERE time <= ?");
        while (query.next()) {
            const std::int64_t time = query.value(0).toLongLong();
            std::string game = text(query.value(1));
            ++days_[{localDay(time), game}].games;
            moments_.emplace_back(time, std::move(game));
        }
    }

    // The same rule as the reader's, carried on from the previous fold's last record.
    void countPlayTime()
    {
        std::stable_sort(moments_.begin(), moments_.end(),
                         [](const Moment &a, const Moment &b) { return a.first < b.first; });
        const QVariant last = single(db_, "SELECT last_time FROM folded WHERE id = 1");
        std::optional<std::int64_t> previous;
        if (last.isValid())
            previous = last.toLongLong();
        for (const auto &[time, game] : moments_) {
            days_[{localDay(time), game}].playedMs += countedGapMs(previous, time);
            previous = std::max(previous.value_or(time), time);
        }
        if (!previous)
            return;
        QSqlQuery query = prepare(db_, "INSERT INTO folded(id, last_time) VALUES(1, ?)"
                                       " ON CONFLICT(id) DO UPDATE SET last_time = excluded.last_time");
        query.addBindValue(QVariant::fromValue<qint64>(*previous));
        varnholt::run(query);
    }

    void writeDays()
    {
        QSqlQuery query = prepare(
            db_,
            "INSERT INTO days(day, game, spins, bet, returned, best_win, spins1, spins2, spins3,"
            " fair1, fair2, fair3, all1, all2, all3, played_ms, borrows, borrowed, paybacks, paid_back, "
            "games)"
            " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            " ON CONFLICT(day, game) DO UPDATE SET spins = spins + excluded.spins,"
            " bet = bet + excluded.bet, returned = returned + excluded.returned,"
            " best_win = max(best_win, excluded.best_win), spins1 = spins1 + excluded.spins1,"
            " spins2 = spins2 + excluded.spins2, spins3 = spins3 + excluded.spins3,"
            " fair1 = fair1 + excluded.fair1, fair2 = fair2 + excluded.fair2, fair3 = fair3 + excluded.fair3,"
            " all1 = all1 + excluded.all1, all2 = all2 + excluded.all2, all3 = all3 + excluded.all3,"
            " played_ms = played_ms + excluded.played_ms, borrows = borrows + excluded.borrows,"
            " borrowed = borrowed + excluded.borrowed, paybacks = paybacks + excluded.paybacks,"
            " paid_back = paid_back + excluded.paid_back, games = games + excluded.games");
        for (const auto &[key, day] : days_) {
            long long spins = 0, bet = 0, returned = 0;
            for (int c = 0; c < 3; ++c) {
                spins += day.spins[c];
                bet += day.spins[c] * (c + 1);
                returned += day.all[c];
            }
            const std::vector<QVariant> values{
                text(key.first), text(key.second), spins,        bet,
                returned,        day.bestWin,      day.spins[0], day.spins[1],
                day.spins[2],    day.fair[0],      day.fair[1],  day.fair[2],
                day.all[0],      day.all[1],       day.all[2],   QVariant::fromValue<qint64>(day.playedMs),
                day.borrows,     day.borrowed,     day.paybacks, day.paidBack,
                day.games};
            for (std::size_t i = 0; i < values.size(); ++i)
                query.bindValue(static_cast<int>(i), values[i]);
            varnholt::run(query);
        }
    }

    void writeRuns()
    {
        QSqlQuery query = prepare(db_, "INSERT OR REPLACE INTO folded_games(game, longest_losing_run,"
                                       " trailing_losing_run) VALUES(?, ?, ?)");
        for (const auto &[game, run] : runs_) {
            query.bindValue(0, text(game));
            query.bindValue(1, run.longest);
            query.bindValue(2, run.trailing);
            varnholt::run(query);
        }
    }

    void keepBestSpins()
    {
        exec("INSERT INTO best_spins(time, game, coins, won) SELECT time, game, coins,"
             " line_win + nudge_win + vault_prize FROM spins WHERE time <= ? AND line_win + nudge_win + "
             "vault_prize > 0");
        varnholt::run(db_, "DELETE FROM best_spins WHERE rowid IN (SELECT rowid FROM (SELECT rowid,"
                           " row_number() OVER (PARTITION BY game ORDER BY won DESC, time) AS place"
                           " FROM best_spins) WHERE place > 5)");
    }

    const QSqlDatabase &db_;
    std::int64_t cutoff_;
    std::map<DayKey, DayTotals> days_;
    std::map<std::string, LosingRuns> runs_;
    std::vector<Moment> moments_;
};

} // namespace

void foldUpTo(const QSqlDatabase &db, std::int64_t cutoffMs) { Folding(db, cutoffMs).run(); }

} // namespace varnholt
