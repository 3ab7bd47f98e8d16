#include "history/PlayHistory.h"

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
#include <optional>

namespace varnholt {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

QString uniqueConnectionName()
{
    static std::atomic<unsigned> next{0};
    return QStringLiteral("varnholt-history-%1").arg(next++);
}

QVariant number(long long value) { return QVariant::fromValue<qlonglong>(value); }

} // namespace

struct PlayHistory::Impl {
    std::string path;
    Notice onUnavailable;
    HistoryLimits limits;
    QString connection = uniqueConnectionName();
    QSqlDatabase db;
    bool available = false;
    std::optional<QSqlQuery> insertSpin, insertMoney, insertGame;
    long long spinRows = 0, moneyRows = 0, gameRows = 0;

    void open()
    {
        db = QSqlDatabase::addDatabase(kDriver, connection);
        db.setDatabaseName(text(path));
        // Qt's own default waits five seconds for a lock; a frame cannot.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        if (!db.open())
            throw HistoryError{reasonFor(db.lastError())};
        prepareSchema(db);
        countRows();
        insertSpin =
            prepare(db, "INSERT INTO spins(time, game, coins, stop1, stop2, stop3, line_win, nudge_win,"
                        " nudges_used, nudges_earned, vault_prize, vault_opened, credits, borrowed)"
                        " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        insertMoney = prepare(db, "INSERT INTO money(time, game, kind, amount, credits, borrowed)"
                                  " VALUES(?, ?, ?, ?, ?, ?)");
        insertGame =
            prepare(db, "INSERT INTO games(time, game, kind, credits, borrowed) VALUES(?, ?, ?, ?, ?)");
        available = true;
    }

    void countRows()
    {
        spinRows = single(db, "SELECT count(*) FROM spins").toLongLong();
        moneyRows = single(db, "SELECT count(*) FROM money").toLongLong();
        gameRows = single(db, "SELECT count(*) FROM games").toLongLong();
    }

    // Past the limit, the oldest records down to limit - batch are folded, counting from the
    // table that overflowed.
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
            query.addBindValue(number(rows - (limits.rowLimit - limits.foldBatch) - 1));
            run(query);
            if (!query.next())
                continue;
            const std::int64_t cutoff = query.value(0).toLongLong();
            query.finish();
            foldUpTo(db, cutoff);
            countRows();
        }
    }

    template <class Write> void write(Write &&fill)
    {
        if (!available)
            return;
        try {
            run(db, "BEGIN IMMEDIATE");
            fill();
            foldIfFull();
            run(db, "COMMIT");
        } catch (const HistoryError &error) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            fail(error.reason);
        }
    }

    void fail(const std::string &reason)
    {
        const bool wasOpen = db.isValid();
        available = false;
        insertSpin.reset();
        insertMoney.reset();
        insertGame.reset();
        if (wasOpen) {
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
    if (impl_->db.isValid()) {
        impl_->onUnavailable = nullptr;
        impl_->fail({}); // closes the connection
    }
}

bool PlayHistory::available() const { return impl_->available; }

const std::string &PlayHistory::path() const { return impl_->path; }

void PlayHistory::recordSpin(const SpinRecord &spin)
{
    impl_->write([&] {
        QSqlQuery &query = *impl_->insertSpin;
        const QVariant values[] = {number(spin.timeMs),  text(spin.game),         spin.coins,
                                   spin.stops[0],        spin.stops[1],           spin.stops[2],
                                   number(spin.lineWin), number(spin.nudgeWin),   spin.nudgesUsed,
                                   spin.nudgesEarned,    number(spin.vaultPrize), spin.vaultOpened ? 1 : 0,
                                   number(spin.credits), number(spin.borrowed)};
        for (int i = 0; i < 14; ++i)
            query.bindValue(i, values[i]);
        run(query);
        ++impl_->spinRows;
    });
}

void PlayHistory::recordMoney(const MoneyRecord &money)
{
    impl_->write([&] {
        QSqlQuery &query = *impl_->insertMoney;
        const QVariant values[] = {
            number(money.timeMs), text(money.game),      money.kind == MoneyKind::Borrow ? 0 : 1,
            number(money.amount), number(money.credits), number(money.borrowed)};
        for (int i = 0; i < 6; ++i)
            query.bindValue(i, values[i]);
        run(query);
        ++impl_->moneyRows;
    });
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
    });
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

HistoryReport PlayHistory::report(const std::string &game, std::int64_t nowMs, std::size_t maxPoints) const
{
    if (!impl_->available)
        return {};
    try {
        return readReport(impl_->db, game, nowMs, maxPoints);
    } catch (const HistoryError &error) {
        impl_->fail(error.reason);
        return {};
    }
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
