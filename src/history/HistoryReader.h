#pragma once
// The figures the History window shows, read from kept records and folded days together, and
// then kept up to date record by record while the window stays open.

#include "history/HistoryRecords.h"
#include "history/PlayClock.h"

#include <QSqlDatabase>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {

// One game name's figures in one scope. Read whole once (readFrom), then every record written
// after is added to it, so a window left open costs one record's work per spin, not a reading of
// the whole file. Adding the records one by one gives the same figures as reading them back.
class ReportBuilder {
public:
    // `gameStart`: the game in progress under `game`, for HistoryScope::ThisGame.
    ReportBuilder(std::string game, HistoryScope scope, std::int64_t gameStart, std::int64_t nowMs);

    bool covers(const std::string &game, HistoryScope scope, std::int64_t gameStart,
                std::int64_t nowMs) const;

    // Throws HistoryError.
    void readFrom(const QSqlDatabase &db);

    // Records of every game name, in the order written: other names count only for time played.
    void addSpin(const SpinRecord &spin);
    void amendLastSpin(const SpinRecord &spin); // the last spin of this name as a nudge left it
    void addMoney(const MoneyRecord &money);
    void addGame(const GameRecord &game);

    HistoryReport report(std::size_t maxPoints) const;

private:
    bool ours(const std::string &game, std::int64_t gameStart) const;
    void notePlay(std::int64_t time, bool ours);
    void commitLastSpin();
    void countSpin(HistoryReport &into, long long &run, const SpinRecord &spin) const;

    std::string game_;
    HistoryScope scope_;
    std::int64_t gameStart_;
    DaySpan today_;
    std::string todayName_;

    HistoryReport report_; // every record but the last spin
    std::vector<BestWin> best_;
    std::vector<BalancePoint> points_;
    std::map<std::int64_t, long long> foldedTrailing_; // losing runs still going on, by game
    std::int64_t runGame_ = -1;
    long long losingRun_ = 0;
    std::optional<std::int64_t> previousTime_;
    std::optional<SpinRecord> lastSpin_; // still open to its nudges
    std::size_t lastSpinPoint_ = 0;      // its point in points_
};

std::vector<std::string> readGameNames(const QSqlDatabase &db);

// The game in progress under a name: the start of the newest game recorded, 0 when none is.
std::int64_t readGameStart(const QSqlDatabase &db, const std::string &game);

} // namespace varnholt
