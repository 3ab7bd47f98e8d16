#include "history/PlayHistory.h"

#include "history/HistoryExport.h"
#include "history/HistoryFile.h"
#include "history/HistoryFold.h"
#include "history/HistoryReader.h"
#include "history/HistorySchema.h"
#include "history/HistorySql.h"
#include "records/RecordPaths.h"

#include <QCoreApplication>
#include <QSqlError>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <thread>
#include <utility>
#include <variant>

namespace varnholt {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

QString uniqueConnectionName()
{
    static std::atomic<unsigned> next{0};
    return QStringLiteral("varnholt-history-%1").arg(next++);
}

QVariant number(long long value) { return QVariant::fromValue<qlonglong>(value); }

int vaultCode(const SpinRecord &spin) { return spin.vaultOpened ? (spin.vaultByNudge ? 2 : 1) : 0; }

// What a load on its own thread read, with the newest row of each table it saw: records written
// after those rows are not in it.
struct LoadedReport {
    std::optional<ReportBuilder> builder;
    long long lastSpin = 0, lastMoney = 0, lastGame = 0;
    std::string failure;
};

void readReport(LoadedReport &into, const std::string &path, long long steps, ReportBuilder builder)
{
    const QString connection = uniqueConnectionName();
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection);
        db.setDatabaseName(text(path));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        try {
            // The game's own connection checked the file; a link put in its place since is refused.
            if (std::string problem = historyFileProblem(path); !problem.empty())
                throw HistoryError{problem};
            if (!db.open())
                throw HistoryError{reasonFor(db.lastError())};
            boundStatements(db, steps);
            run(db, "PRAGMA trusted_schema = OFF");
            // One snapshot for the newest rows and the reading.
            run(db, "BEGIN");
            into.lastSpin = single(db, "SELECT coalesce(max(id), 0) FROM spins").toLongLong();
            into.lastMoney = single(db, "SELECT coalesce(max(id), 0) FROM money").toLongLong();
            into.lastGame = single(db, "SELECT coalesce(max(id), 0) FROM games").toLongLong();
            builder.readFrom(db);
            run(db, "COMMIT");
            into.builder = std::move(builder);
        } catch (const HistoryError &error) {
            into.failure = error.reason;
        }
        if (db.isOpen()) {
            releaseStatementBound(db);
            db.close();
        }
    } catch (...) {
        into.failure = "it cannot be read or written";
    }
    QSqlDatabase::removeDatabase(connection);
}

// A record written while a load was under way, with its row.
struct Written {
    long long row = 0;
    std::variant<SpinRecord, MoneyRecord, GameRecord> record;
    bool amends = false; // a nudge's change to the spin in `row`
};

} // namespace

struct PlayHistory::Impl {
    std::string path;
    Notice onUnavailable;
    HistoryLimits limits;
    QString connection = uniqueConnectionName();
    QSqlDatabase db;
    bool available = false;
    std::optional<QSqlQuery> insertSpin, insertMoney, insertGame, amendSpin;
    long long spinRows = 0, moneyRows = 0, gameRows = 0;
    std::map<std::string, std::int64_t> gameStarts; // the game in progress by name, as read or written
    std::optional<std::pair<long long, SpinRecord>> lastSpin; // row id, as written: nudges add to it
    std::optional<ReportBuilder> cached;                      // the report last asked for, kept up to date
    bool folded = false;                                      // in this record: its space goes back after it
    bool rebuildTried = false; // a file from before is rebuilt once to give space back
    std::thread loader;
    std::unique_ptr<LoadedReport> loaded; // written by the loader until it is joined
    std::vector<Written> writtenSinceLoad;
    bool loadStale = false; // folded or cleared since the load began

    bool isLoading() const { return loader.joinable(); }

    void wrote(long long row, std::variant<SpinRecord, MoneyRecord, GameRecord> record, bool amends = false)
    {
        if (isLoading())
            writtenSinceLoad.push_back({row, std::move(record), amends});
    }

    void open()
    {
        db = QSqlDatabase::addDatabase(kDriver, connection);
        db.setDatabaseName(text(path));
        // Qt's own default waits five seconds for a lock; a frame cannot.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        if (!db.open())
            throw HistoryError{reasonFor(db.lastError())};
        boundStatements(db, limits.statementSteps);
        prepareSchema(db);
        countRows();
        insertSpin = prepare(
            db, "INSERT INTO spins(time, game, coins, stop1, stop2, stop3, line_win, nudge_win,"
                " nudges_used, nudges_earned, vault_prize, vault_opened, credits, borrowed, game_start)"
                " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        insertMoney = prepare(db, "INSERT INTO money(time, game, kind, amount, credits, borrowed, game_start)"
                                  " VALUES(?, ?, ?, ?, ?, ?, ?)");
        insertGame =
            prepare(db, "INSERT INTO games(time, game, kind, credits, borrowed) VALUES(?, ?, ?, ?, ?)");
        amendSpin = prepare(db, "UPDATE spins SET nudge_win = ?, nudges_used = ?, nudges_earned = ?,"
                                " vault_prize = ?, vault_opened = ?, credits = ?, borrowed = ? WHERE id = ?");
        available = true;
        // A file far over the limit (written before folding was sliced) loses a slice now and
        // the rest a slice at a time (foldSlice), so no one moment has to take it whole.
        if (overLimit())
            write([] {});
    }

    bool overLimit() const
    {
        return spinRows > limits.rowLimit || moneyRows > limits.rowLimit || gameRows > limits.rowLimit;
    }

    // The game's newest spin as stored, if it belongs to the game in progress.
    std::optional<std::pair<long long, SpinRecord>> readLastSpin(const std::string &game)
    {
        QSqlQuery query =
            prepare(db, "SELECT id, time, coins, stop1, stop2, stop3, line_win, nudge_win,"
                        " nudges_used, nudges_earned, vault_prize, vault_opened, credits,"
                        " borrowed, game_start FROM spins WHERE game = ? ORDER BY id DESC LIMIT 1");
        query.addBindValue(text(game));
        run(query);
        if (!query.next() || storedTime(query.value(14)) != gameStart(game))
            return std::nullopt;
        SpinRecord spin;
        spin.game = game;
        spin.timeMs = storedTime(query.value(1));
        spin.coins = std::clamp(query.value(2).toInt(), 1, 3);
        spin.stops = {query.value(3).toInt(), query.value(4).toInt(), query.value(5).toInt()};
        spin.lineWin = storedAmount(query.value(6));
        spin.nudgeWin = storedAmount(query.value(7));
        spin.nudgesUsed = int(std::clamp<long long>(query.value(8).toLongLong(), 0, 1 << 20));
        spin.nudgesEarned = int(std::clamp<long long>(query.value(9).toLongLong(), 0, 1 << 20));
        spin.vaultPrize = storedAmount(query.value(10));
        spin.vaultOpened = query.value(11).toInt() != 0;
        spin.vaultByNudge = query.value(11).toInt() == 2;
        spin.credits = storedSigned(query.value(12));
        spin.borrowed = storedSigned(query.value(13));
        spin.gameStart = storedTime(query.value(14));
        return std::make_pair(query.value(0).toLongLong(), spin);
    }

    std::int64_t gameStart(const std::string &game)
    {
        const auto known = gameStarts.find(game);
        if (known != gameStarts.end())
            return known->second;
        return gameStarts[game] = readGameStart(db, game);
    }

    void countRows()
    {
        spinRows = single(db, "SELECT count(*) FROM spins").toLongLong();
        moneyRows = single(db, "SELECT count(*) FROM money").toLongLong();
        gameRows = single(db, "SELECT count(*) FROM games").toLongLong();
    }

    // Past the limit, the oldest records down to limit - batch are folded, counting from the
    // table that overflowed, a slice at most in one record.
    void foldIfFull()
    {
        const std::pair<const char *, long long> tables[] = {
            {"SELECT time FROM spins ORDER BY time, id LIMIT 1 OFFSET ?", spinRows},
            {"SELECT time FROM money ORDER BY time, id LIMIT 1 OFFSET ?", moneyRows},
            {"SELECT time FROM games ORDER BY time, id LIMIT 1 OFFSET ?", gameRows}};
        for (const auto &[sql, rows] : tables) {
            if (rows <= limits.rowLimit)
                continue;
            QSqlQuery query = prepare(db, sql);
            query.addBindValue(
                number(std::min(rows - (limits.rowLimit - limits.foldBatch), limits.foldSlice) - 1));
            run(query);
            if (!query.next())
                continue;
            const std::int64_t cutoff = query.value(0).toLongLong();
            query.finish();
            foldUpTo(db, cutoff);
            countRows();
            folded = true;
        }
    }

    template <class Write> void write(Write &&fill)
    {
        if (!available)
            return;
        try {
            folded = false;
            run(db, "BEGIN IMMEDIATE");
            fill();
            foldIfFull();
            run(db, "COMMIT");
        } catch (const HistoryError &error) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            fail(error.reason);
            return;
        }
        if (folded) {
            // The figures moved into days: the next report reads them afresh.
            cached.reset();
            loadStale = isLoading();
            giveSpaceBack(db, !std::exchange(rebuildTried, true));
        }
    }

    void joinLoader()
    {
        if (loader.joinable())
            loader.join();
    }

    void fail(const std::string &reason)
    {
        joinLoader();
        loaded.reset();
        writtenSinceLoad.clear();
        const bool wasOpen = db.isValid();
        available = false;
        insertSpin.reset();
        insertMoney.reset();
        insertGame.reset();
        amendSpin.reset();
        cached.reset();
        if (wasOpen) {
            releaseStatementBound(db);
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
        }
        if (onUnavailable) {
            Notice notice = std::move(onUnavailable);
            onUnavailable = nullptr; // once
            // The reasons are written in English where they arise (HistoryFile, HistorySchema,
            // HistorySql); these marks give the fixed ones to the translators.
            [[maybe_unused]] static constexpr const char *kReasons[] = {
                QT_TRANSLATE_NOOP("PlayHistory", "another program is using it"),
                QT_TRANSLATE_NOOP("PlayHistory", "it is read-only"),
                QT_TRANSLATE_NOOP("PlayHistory", "it is damaged or is not a database"),
                QT_TRANSLATE_NOOP("PlayHistory", "the disk is full"),
                QT_TRANSLATE_NOOP("PlayHistory", "it cannot be opened"),
                QT_TRANSLATE_NOOP("PlayHistory", "it cannot be read or written"),
                QT_TRANSLATE_NOOP("PlayHistory", "it is another program's database"),
                QT_TRANSLATE_NOOP("PlayHistory", "it is damaged"),
                QT_TRANSLATE_NOOP("PlayHistory", "its write-ahead log cannot be used"),
                QT_TRANSLATE_NOOP("PlayHistory", "its folder cannot be created"),
                QT_TRANSLATE_NOOP("PlayHistory", "its folder cannot be examined"),
                QT_TRANSLATE_NOOP("PlayHistory", "its folder is read-only"),
                QT_TRANSLATE_NOOP("PlayHistory", "it is not a regular file"),
                QT_TRANSLATE_NOOP("PlayHistory", "Qt's SQLite driver is not installed"),
            };
            notice(
                //: %1 is the history file's path, %2 why it cannot be used ("it is damaged").
                QCoreApplication::translate(
                    "PlayHistory", "The play history cannot be kept in %1: %2. The game plays on without it.")
                    .arg(QString::fromStdString(path),
                         QCoreApplication::translate("PlayHistory", reason.c_str()))
                    .toStdString());
        }
    }
};

PlayHistory::PlayHistory(std::string path, Notice onUnavailable, HistoryLimits limits)
    : impl_(std::make_unique<Impl>())
{
    impl_->path = std::move(path);
    impl_->onUnavailable = std::move(onUnavailable);
    impl_->limits = limits;
    impl_->limits.foldBatch =
        std::clamp<long long>(limits.foldBatch, 1, std::max<long long>(limits.rowLimit, 1));
    try {
        if (std::string problem = historyFileProblem(impl_->path); !problem.empty())
            throw HistoryError{problem};
        if (!QSqlDatabase::isDriverAvailable(kDriver))
            throw HistoryError{"Qt's SQLite driver is not installed"};
        impl_->open();
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
    }
}

PlayHistory::~PlayHistory()
{
    impl_->joinLoader();
    if (impl_->db.isValid()) {
        impl_->onUnavailable = nullptr;
        impl_->fail({}); // closes the connection
    }
}

bool PlayHistory::available() const { return impl_->available; }

const std::string &PlayHistory::path() const { return impl_->path; }

void PlayHistory::recordSpin(const SpinRecord &given)
{
    SpinRecord spin = given;
    impl_->write([&] {
        spin.gameStart = impl_->gameStart(spin.game);
        QSqlQuery &query = *impl_->insertSpin;
        const QVariant values[] = {number(spin.timeMs),  text(spin.game),         spin.coins,
                                   spin.stops[0],        spin.stops[1],           spin.stops[2],
                                   number(spin.lineWin), number(spin.nudgeWin),   spin.nudgesUsed,
                                   spin.nudgesEarned,    number(spin.vaultPrize), vaultCode(spin),
                                   number(spin.credits), number(spin.borrowed),   number(spin.gameStart)};
        for (int i = 0; i < 15; ++i)
            query.bindValue(i, values[i]);
        run(query);
        ++impl_->spinRows;
        impl_->lastSpin.emplace(query.lastInsertId().toLongLong(), spin);
        impl_->wrote(impl_->lastSpin->first, spin);
    });
    if (impl_->cached)
        impl_->cached->addSpin(spin);
}

void PlayHistory::recordNudge(const NudgeRecord &nudge)
{
    // A nudge adds to the spin it follows: the one written last, or, for a nudge left in hand by
    // a game saved in an earlier run, the last spin of its game in the file.
    if (!impl_->available)
        return;
    if (!impl_->lastSpin || impl_->lastSpin->second.game != nudge.game) {
        try {
            impl_->lastSpin = impl_->readLastSpin(nudge.game);
        } catch (const HistoryError &error) {
            impl_->fail(error.reason);
            return;
        }
        if (!impl_->lastSpin)
            return;
    }
    SpinRecord spin = impl_->lastSpin->second;
    spin.nudgesUsed += 1;
    spin.nudgeWin = addHeld(spin.nudgeWin, nudge.lineWin);
    spin.nudgesEarned += nudge.nudgesEarned;
    if (nudge.vaultOpened) {
        spin.vaultOpened = spin.vaultByNudge = true;
        spin.vaultPrize = addHeld(spin.vaultPrize, nudge.vaultPrize);
    }
    spin.credits = nudge.credits;
    spin.borrowed = nudge.borrowed;
    impl_->write([&] {
        QSqlQuery &query = *impl_->amendSpin;
        const QVariant values[] = {number(spin.nudgeWin), spin.nudgesUsed,
                                   spin.nudgesEarned,     number(spin.vaultPrize),
                                   vaultCode(spin),       number(spin.credits),
                                   number(spin.borrowed), number(impl_->lastSpin->first)};
        for (int i = 0; i < 8; ++i)
            query.bindValue(i, values[i]);
        run(query);
        impl_->lastSpin->second = spin;
        impl_->wrote(impl_->lastSpin->first, spin, true);
    });
    if (impl_->cached)
        impl_->cached->amendLastSpin(spin);
}

void PlayHistory::recordMoney(const MoneyRecord &given)
{
    MoneyRecord money = given;
    impl_->write([&] {
        money.gameStart = impl_->gameStart(money.game);
        QSqlQuery &query = *impl_->insertMoney;
        const QVariant values[] = {
            number(money.timeMs),   text(money.game),      money.kind == MoneyKind::Borrow ? 0 : 1,
            number(money.amount),   number(money.credits), number(money.borrowed),
            number(money.gameStart)};
        for (int i = 0; i < 7; ++i)
            query.bindValue(i, values[i]);
        run(query);
        ++impl_->moneyRows;
        impl_->wrote(query.lastInsertId().toLongLong(), money);
    });
    if (impl_->cached)
        impl_->cached->addMoney(money);
}

void PlayHistory::recordGame(const GameRecord &game)
{
    impl_->write([&] {
        QSqlQuery &query = *impl_->insertGame;
        const QVariant values[] = {number(game.timeMs), text(game.game), game.kind == GameKind::New ? 0 : 1,
                                   number(game.credits), number(game.borrowed)};
        for (int i = 0; i < 5; ++i)
            query.bindValue(i, values[i]);
        run(query);
        ++impl_->gameRows;
        impl_->wrote(query.lastInsertId().toLongLong(), game);
        impl_->gameStarts[game.game] = game.timeMs;
        impl_->lastSpin.reset(); // a nudge never carries over into a new game
    });
    if (impl_->cached)
        impl_->cached->addGame(game);
}

std::vector<std::string> PlayHistory::gameNames() const
{
    if (!impl_->available)
        return {};
    try {
        return readGameNames(impl_->db);
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return {};
    }
}

HistoryReport PlayHistory::report(const std::string &game, std::int64_t nowMs, std::size_t maxPoints,
                                  HistoryScope scope) const
{
    if (!impl_->available)
        return {};
    try {
        const std::int64_t start = scope == HistoryScope::ThisGame ? impl_->gameStart(game) : 0;
        std::optional<ReportBuilder> &cached = impl_->cached;
        if (!cached || !cached->covers(game, scope, start, nowMs)) {
            cached.reset();
            ReportBuilder builder(game, scope, start, nowMs);
            builder.readFrom(impl_->db);
            cached = std::move(builder);
        }
        return cached->report(maxPoints);
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return {};
    }
}

bool PlayHistory::reportKept(const std::string &game, std::int64_t nowMs, HistoryScope scope) const
{
    if (!impl_->available)
        return true; // nothing to read
    if (!impl_->cached)
        return false;
    try {
        const std::int64_t start = scope == HistoryScope::ThisGame ? impl_->gameStart(game) : 0;
        return impl_->cached->covers(game, scope, start, nowMs);
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return true;
    }
}

void PlayHistory::loadReport(const std::string &game, std::int64_t nowMs, HistoryScope scope,
                             std::function<void()> read)
{
    if (!impl_->available || impl_->isLoading())
        return;
    std::int64_t start = 0;
    try {
        start = scope == HistoryScope::ThisGame ? impl_->gameStart(game) : 0;
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return;
    }
    impl_->cached.reset();
    impl_->loadStale = false;
    impl_->writtenSinceLoad.clear();
    impl_->loaded = std::make_unique<LoadedReport>();
    impl_->loader =
        std::thread([into = impl_->loaded.get(), path = impl_->path, steps = impl_->limits.statementSteps,
                     builder = ReportBuilder(game, scope, start, nowMs), read = std::move(read)]() mutable {
            readReport(*into, path, steps, std::move(builder));
            if (read)
                read();
        });
}

bool PlayHistory::loading() const { return impl_->isLoading(); }

bool PlayHistory::keepLoaded()
{
    if (!impl_->isLoading())
        return impl_->cached.has_value() || !impl_->available;
    impl_->joinLoader();
    std::unique_ptr<LoadedReport> loaded = std::move(impl_->loaded);
    std::vector<Written> written = std::exchange(impl_->writtenSinceLoad, {});
    if (!impl_->available)
        return true;
    if (!loaded->failure.empty()) {
        impl_->fail(loaded->failure);
        return true;
    }
    if (impl_->loadStale)
        return false;
    ReportBuilder &builder = *loaded->builder;
    // Only what the load did not see: rows after its newest, and a nudge on its newest spin.
    for (const Written &w : written) {
        if (const auto *spin = std::get_if<SpinRecord>(&w.record)) {
            if (w.amends && w.row >= loaded->lastSpin)
                builder.amendLastSpin(*spin);
            else if (!w.amends && w.row > loaded->lastSpin)
                builder.addSpin(*spin);
        } else if (const auto *money = std::get_if<MoneyRecord>(&w.record)) {
            if (w.row > loaded->lastMoney)
                builder.addMoney(*money);
        } else if (const auto *game = std::get_if<GameRecord>(&w.record)) {
            if (w.row > loaded->lastGame)
                builder.addGame(*game);
        }
    }
    impl_->cached = std::move(builder);
    return true;
}

bool PlayHistory::overLimit() const { return impl_->available && impl_->overLimit(); }

void PlayHistory::foldSlice()
{
    if (overLimit())
        impl_->write([] {});
}

void PlayHistory::forgetReport()
{
    if (!impl_->isLoading())
        impl_->cached.reset();
}

std::string PlayHistory::csv() const
{
    if (!impl_->available)
        return {};
    try {
        return historyCsv(impl_->db);
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return {};
    }
}

bool PlayHistory::clear()
{
    if (!impl_->available)
        return false;
    impl_->write([&] {
        for (const char *sql :
             {"DELETE FROM spins", "DELETE FROM money", "DELETE FROM games", "DELETE FROM days",
              "DELETE FROM folded_games", "DELETE FROM best_spins", "DELETE FROM folded"})
            run(impl_->db, sql);
        impl_->countRows();
    });
    impl_->cached.reset();
    impl_->loadStale = impl_->isLoading();
    impl_->lastSpin.reset();
    impl_->gameStarts.clear();
    if (impl_->available)
        giveSpaceBack(impl_->db, !std::exchange(impl_->rebuildTried, true));
    return impl_->available;
}

std::string playHistoryPath(std::string_view exeStem)
{
    return (std::filesystem::path(userDataHome()) / kProgramName / (std::string(exeStem) + "-history.sqlite"))
        .string();
}

std::int64_t currentTimeMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace varnholt
