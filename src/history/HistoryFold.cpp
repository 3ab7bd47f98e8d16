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

using GameKey = std::pair<std::string, std::int64_t>; // name, game start
using DayKey = std::pair<std::string, GameKey>;       // day, game
using Moment = std::pair<std::int64_t, GameKey>;      // time, game

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
        QSqlQuery query = prepare(
            db_, "SELECT game, game_start, longest_losing_run, trailing_losing_run FROM folded_games");
        varnholt::run(query);
        while (query.next())
            runs_[{text(query.value(0)), query.value(1).toLongLong()}] = {storedAmount(query.value(2)),
                                                                          storedAmount(query.value(3))};
    }

    void readSpins()
    {
        QSqlQuery query = select("SELECT time, game, coins, line_win, nudge_win, vault_prize, vault_opened,"
                                 " game_start FROM spins WHERE time <= ? ORDER BY time, id");
        while (query.next()) {
            const std::int64_t time = storedTime(query.value(0));
            std::string game = text(query.value(1));
            const int coin = std::clamp(query.value(2).toInt(), 1, 3) - 1;
            const long long vault = storedAmount(query.value(5));
            // A vault opened by a nudge is a nudge win, as the reader counts it.
            const long long fair =
                addHeld(storedAmount(query.value(3)), query.value(6).toInt() == 2 ? 0 : vault);
            const long long won =
                addHeld(addHeld(storedAmount(query.value(3)), vault), storedAmount(query.value(4)));
            const GameKey key{game, storedTime(query.value(7))};
            DayTotals &day = days_[{localDay(time), key}];
            ++day.spins[coin];
            day.fair[coin] = addHeld(day.fair[coin], fair);
            day.all[coin] = addHeld(day.all[coin], won);
            day.bestWin = std::max(day.bestWin, won);
            LosingRuns &run = runs_[key];
            run.trailing = won == 0 ? run.trailing + 1 : 0;
            run.longest = std::max(run.longest, run.trailing);
            moments_.emplace_back(time, key);
        }
    }

    void readMoney()
    {
        QSqlQuery query = select("SELECT time, game, kind, amount, game_start FROM money WHERE time <= ?");
        while (query.next()) {
            const std::int64_t time = storedTime(query.value(0));
            std::string game = text(query.value(1));
            const GameKey key{std::move(game), storedTime(query.value(4))};
            DayTotals &day = days_[{localDay(time), key}];
            const long long amount = storedAmount(query.value(3));
            if (query.value(2).toInt() == 0) {
                ++day.borrows;
                day.borrowed = addHeld(day.borrowed, amount);
            } else {
                ++day.paybacks;
                day.paidBack = addHeld(day.paidBack, amount);
            }
            moments_.emplace_back(time, key);
        }
    }

    void readGames()
    {
        QSqlQuery query = select("SELECT time, game FROM games WHERE time <= ?");
        while (query.next()) {
            const std::int64_t time = storedTime(query.value(0));
            std::string game = text(query.value(1));
            const GameKey key{std::move(game), time};
            ++days_[{localDay(time), key}].games;
            runs_.try_emplace(key); // a game begun has no losing run yet
            moments_.emplace_back(time, key);
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
            previous = storedTime(last);
        for (const auto &[time, game] : moments_) {
            DayTotals &day = days_[{localDay(time), game}];
            day.playedMs = addHeld(day.playedMs, countedGapMs(previous, time));
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
            "INSERT INTO days(day, game, game_start, spins, bet, returned, best_win, spins1, spins2, spins3,"
            " fair1, fair2, fair3, all1, all2, all3, played_ms, borrows, borrowed, paybacks, paid_back, "
            "games)"
            " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            " ON CONFLICT(day, game, game_start) DO UPDATE SET spins = spins + excluded.spins,"
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
                bet = addHeld(bet, day.spins[c] * (c + 1));
                returned = addHeld(returned, day.all[c]);
            }
            const std::vector<QVariant> values{text(key.first),
                                               text(key.second.first),
                                               QVariant::fromValue<qint64>(key.second.second),
                                               spins,
                                               bet,
                                               returned,
                                               day.bestWin,
                                               day.spins[0],
                                               day.spins[1],
                                               day.spins[2],
                                               day.fair[0],
                                               day.fair[1],
                                               day.fair[2],
                                               day.all[0],
                                               day.all[1],
                                               day.all[2],
                                               QVariant::fromValue<qint64>(day.playedMs),
                                               day.borrows,
                                               day.borrowed,
                                               day.paybacks,
                                               day.paidBack,
                                               day.games};
            for (std::size_t i = 0; i < values.size(); ++i)
                query.bindValue(static_cast<int>(i), values[i]);
            varnholt::run(query);
        }
    }

    void writeRuns()
    {
        QSqlQuery query = prepare(db_, "INSERT OR REPLACE INTO folded_games(game, game_start,"
                                       " longest_losing_run, trailing_losing_run) VALUES(?, ?, ?, ?)");
        for (const auto &[game, run] : runs_) {
            query.bindValue(0, text(game.first));
            query.bindValue(1, QVariant::fromValue<qint64>(game.second));
            query.bindValue(2, run.longest);
            query.bindValue(3, run.trailing);
            varnholt::run(query);
        }
    }

    void keepBestSpins()
    {
        exec("INSERT INTO best_spins(time, game, coins, won, game_start) SELECT time, game, coins,"
             " line_win + nudge_win + vault_prize, game_start FROM spins WHERE time <= ? AND line_win + "
             "nudge_win + "
             "vault_prize > 0");
        varnholt::run(db_,
                      "DELETE FROM best_spins WHERE rowid IN (SELECT rowid FROM (SELECT rowid,"
                      " row_number() OVER (PARTITION BY game, game_start ORDER BY won DESC, time) AS place"
                      " FROM best_spins) WHERE place > 5)");
    }

    const QSqlDatabase &db_;
    std::int64_t cutoff_;
    std::map<DayKey, DayTotals> days_;
    std::map<GameKey, LosingRuns> runs_;
    std::vector<Moment> moments_;
};

} // namespace

void foldUpTo(const QSqlDatabase &db, std::int64_t cutoffMs) { Folding(db, cutoffMs).run(); }

} // namespace varnholt
