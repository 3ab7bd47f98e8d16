#include "history/HistoryReader.h"

#include "history/BalanceThinning.h"
#include "history/HistorySql.h"

#include <algorithm>

namespace varnholt {

namespace {

constexpr std::size_t kBestWins = 5;

// Best first, earlier first on a tie; records arrive in time order, so a new one goes after
// its equals.
void offerBest(std::vector<BestWin> &best, const BestWin &win)
{
    const auto at = std::upper_bound(best.begin(), best.end(), win,
                                     [](const BestWin &a, const BestWin &b) { return a.won > b.won; });
    if (std::size_t(at - best.begin()) >= kBestWins)
        return;
    best.insert(at, win);
    if (best.size() > kBestWins)
        best.pop_back();
}

long long spinWon(const SpinRecord &spin)
{
    return addHeld(addHeld(spin.lineWin, spin.nudgeWin), spin.vaultPrize);
}

// What the machine's exact odds judge: the stop's lines and a vault the stop opened.
long long fairWon(const SpinRecord &spin)
{
    return addHeld(spin.lineWin, spin.vaultByNudge ? 0 : spin.vaultPrize);
}

} // namespace

ReportBuilder::ReportBuilder(std::string game, HistoryScope scope, std::int64_t gameStart, std::int64_t nowMs)
    : game_(std::move(game)), scope_(scope), gameStart_(gameStart), today_(localDaySpan(nowMs)),
      todayName_(localDay(nowMs))
{}

bool ReportBuilder::covers(const std::string &game, HistoryScope scope, std::int64_t gameStart,
                           std::int64_t nowMs) const
{
    return game == game_ && scope == scope_ && gameStart == gameStart_ && today_.holds(nowMs);
}

bool ReportBuilder::ours(const std::string &game, std::int64_t gameStart) const
{
    return game == game_ && (scope_ == HistoryScope::AllGames || gameStart == gameStart_);
}

void ReportBuilder::notePlay(std::int64_t time, bool ours)
{
    if (ours) {
        const std::int64_t gap = countedGapMs(previousTime_, time);
        report_.playedAllMs = addHeld(report_.playedAllMs, gap);
        if (today_.holds(time))
            report_.playedTodayMs = addHeld(report_.playedTodayMs, gap);
    }
    previousTime_ = std::max(previousTime_.value_or(time), time);
}

void ReportBuilder::countSpin(HistoryReport &into, long long &run, const SpinRecord &spin) const
{
    const int coins = std::clamp(spin.coins, 1, 3);
    const long long won = spinWon(spin);
    CoinReturns &coin = into.byCoins[std::size_t(coins - 1)];
    ++coin.spins;
    coin.bet = addHeld(coin.bet, coins);
    coin.withoutNudges = addHeld(coin.withoutNudges, fairWon(spin));
    coin.withNudges = addHeld(coin.withNudges, won);
    ++into.spinsAll;
    if (today_.holds(spin.timeMs))
        ++into.spinsToday;
    run = won == 0 ? run + 1 : 0;
    into.longestLosingRun = std::max(into.longestLosingRun, run);
}

void ReportBuilder::commitLastSpin()
{
    if (!lastSpin_)
        return;
    countSpin(report_, losingRun_, *lastSpin_);
    if (const long long won = spinWon(*lastSpin_); won > 0)
        offerBest(best_, {lastSpin_->timeMs, std::clamp(lastSpin_->coins, 1, 3), won});
    lastSpin_.reset();
}

void ReportBuilder::addSpin(const SpinRecord &spin)
{
    const bool mine = ours(spin.game, spin.gameStart);
    notePlay(spin.timeMs, mine);
    if (!mine)
        return;
    commitLastSpin();
    if (spin.gameStart != runGame_) {
        runGame_ = spin.gameStart;
        const auto folded = foldedTrailing_.find(spin.gameStart);
        losingRun_ = folded == foldedTrailing_.end() ? 0 : folded->second;
    }
    lastSpin_ = spin;
    lastSpinPoint_ = points_.size();
    BalancePoint point;
    point.timeMs = spin.timeMs;
    point.spin = report_.spinsAll + 1;
    point.balance = spin.credits - spin.borrowed;
    point.vaultOpened = spin.vaultOpened;
    points_.push_back(point);
}

void ReportBuilder::amendLastSpin(const SpinRecord &spin)
{
    if (!lastSpin_ || !ours(spin.game, spin.gameStart) || lastSpinPoint_ >= points_.size())
        return;
    lastSpin_ = spin;
    // Its own point, not a borrow or pay-back made since.
    BalancePoint &point = points_[lastSpinPoint_];
    point.balance = spin.credits - spin.borrowed;
    point.vaultOpened = spin.vaultOpened;
}

void ReportBuilder::addMoney(const MoneyRecord &money)
{
    const bool mine = ours(money.game, money.gameStart);
    notePlay(money.timeMs, mine);
    if (!mine)
        return;
    BalancePoint point;
    point.timeMs = money.timeMs;
    point.spin = report_.spinsAll + (lastSpin_ ? 1 : 0);
    point.balance = money.credits - money.borrowed;
    point.borrowed = money.kind == MoneyKind::Borrow;
    point.paidBack = money.kind == MoneyKind::PayBack;
    points_.push_back(point);
}

void ReportBuilder::addGame(const GameRecord &game)
{
    // A game's own record is its start: in this game's scope only the one in progress counts.
    const bool mine = ours(game.game, game.timeMs);
    notePlay(game.timeMs, mine);
    if (!mine)
        return;
    commitLastSpin();
    runGame_ = game.timeMs;
    losingRun_ = 0;
    BalancePoint point;
    point.timeMs = game.timeMs;
    point.spin = report_.spinsAll;
    point.balance = game.credits - game.borrowed;
    point.gameStarted = true;
    points_.push_back(point);
}

HistoryReport ReportBuilder::report(std::size_t maxPoints) const
{
    HistoryReport report = report_;
    std::vector<BestWin> best = best_;
    if (lastSpin_) {
        long long run = losingRun_;
        countSpin(report, run, *lastSpin_);
        if (const long long won = spinWon(*lastSpin_); won > 0)
            offerBest(best, {lastSpin_->timeMs, std::clamp(lastSpin_->coins, 1, 3), won});
    }
    report.bestWins = std::move(best);
    report.balance = thinBalance(points_, maxPoints);
    return report;
}

void ReportBuilder::readFrom(const QSqlDatabase &db)
{
    const QString game = text(game_);
    const bool thisGame = scope_ == HistoryScope::ThisGame;
    const auto select = [&](const char *all, const char *one) {
        QSqlQuery query = prepare(db, thisGame ? one : all);
        query.addBindValue(game);
        if (thisGame)
            query.addBindValue(QVariant::fromValue<qint64>(gameStart_));
        run(query);
        return query;
    };

    QSqlQuery days = select("SELECT day, spins, played_ms, spins1, spins2, spins3, fair1, fair2, fair3,"
                            " all1, all2, all3 FROM days WHERE game = ?",
                            "SELECT day, spins, played_ms, spins1, spins2, spins3, fair1, fair2, fair3,"
                            " all1, all2, all3 FROM days WHERE game = ? AND game_start = ?");
    while (days.next()) {
        const long long spins = storedAmount(days.value(1));
        const long long played = storedAmount(days.value(2));
        report_.spinsAll = addHeld(report_.spinsAll, spins);
        report_.playedAllMs = addHeld(report_.playedAllMs, played);
        if (days.value(0).toString() == text(todayName_)) {
            report_.spinsToday = addHeld(report_.spinsToday, spins);
            report_.playedTodayMs = addHeld(report_.playedTodayMs, played);
        }
        for (int c = 0; c < 3; ++c) {
            CoinReturns &coin = report_.byCoins[std::size_t(c)];
            const long long coinSpins = storedAmount(days.value(3 + c));
            coin.spins = addHeld(coin.spins, coinSpins);
            coin.bet = addHeld(coin.bet, coinSpins * (c + 1));
            coin.withoutNudges = addHeld(coin.withoutNudges, storedAmount(days.value(6 + c)));
            coin.withNudges = addHeld(coin.withNudges, storedAmount(days.value(9 + c)));
        }
    }

    QSqlQuery runs = select("SELECT game_start, longest_losing_run, trailing_losing_run FROM folded_games"
                            " WHERE game = ?",
                            "SELECT game_start, longest_losing_run, trailing_losing_run FROM folded_games"
                            " WHERE game = ? AND game_start = ?");
    while (runs.next()) {
        report_.longestLosingRun = std::max(report_.longestLosingRun, storedAmount(runs.value(1)));
        foldedTrailing_[runs.value(0).toLongLong()] = storedAmount(runs.value(2));
    }

    QSqlQuery best = select("SELECT time, coins, won FROM best_spins WHERE game = ? ORDER BY time",
                            "SELECT time, coins, won FROM best_spins WHERE game = ? AND game_start = ?"
                            " ORDER BY time");
    while (best.next())
        offerBest(best_, {storedTime(best.value(0)), std::clamp(best.value(1).toInt(), 1, 3),
                          storedAmount(best.value(2))});

    const QVariant last = single(db, "SELECT last_time FROM folded WHERE id = 1");
    if (last.isValid())
        previousTime_ = storedTime(last);

    // Every kept record of every game in time order: other games' records count for the pauses.
    // In one millisecond a game begun comes after the spin before it.
    QSqlQuery kept = prepare(
        db, "SELECT time, 3 AS what, id, game, time, 0, 0, 0, 0, 0, 0, credits, borrowed FROM games"
            " UNION ALL SELECT time, 0, id, game, game_start, coins, line_win, nudge_win, vault_prize,"
            " vault_opened, nudges_earned, credits, borrowed FROM spins"
            " UNION ALL SELECT time, 1 + kind, id, game, game_start, amount, 0, 0, 0, 0, 0, credits,"
            " borrowed FROM money ORDER BY time, what, id");
    run(kept);
    while (kept.next()) {
        const std::int64_t time = storedTime(kept.value(0));
        const int what = kept.value(1).toInt();
        std::string name = text(kept.value(3));
        const std::int64_t start = storedTime(kept.value(4));
        const long long credits = storedSigned(kept.value(11)), borrowed = storedSigned(kept.value(12));
        if (what == 3) {
            addGame({time, std::move(name), GameKind::New, credits, borrowed});
        } else if (what == 0) {
            SpinRecord spin;
            spin.timeMs = time;
            spin.game = std::move(name);
            spin.gameStart = start;
            spin.coins = std::clamp(kept.value(5).toInt(), 1, 3);
            spin.lineWin = storedAmount(kept.value(6));
            spin.nudgeWin = storedAmount(kept.value(7));
            spin.vaultPrize = storedAmount(kept.value(8));
            spin.vaultOpened = kept.value(9).toInt() != 0;
            spin.vaultByNudge = kept.value(9).toInt() == 2;
            spin.credits = credits;
            spin.borrowed = borrowed;
            addSpin(spin);
        } else {
            addMoney({time, std::move(name), what == 1 ? MoneyKind::Borrow : MoneyKind::PayBack,
                      storedAmount(kept.value(5)), credits, borrowed, start});
        }
    }
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

std::int64_t readGameStart(const QSqlDatabase &db, const std::string &game)
{
    QSqlQuery query = prepare(db, "SELECT max(t) FROM (SELECT max(time) AS t FROM games WHERE game = ?"
                                  " UNION ALL SELECT max(game_start) FROM spins WHERE game = ?"
                                  " UNION ALL SELECT max(game_start) FROM money WHERE game = ?"
                                  " UNION ALL SELECT max(game_start) FROM days WHERE game = ?)");
    for (int i = 0; i < 4; ++i)
        query.bindValue(i, text(game));
    run(query);
    return query.next() ? storedTime(query.value(0)) : 0;
}

} // namespace varnholt
