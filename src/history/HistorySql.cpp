#include "history/HistorySql.h"

#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <mutex>
#include <unordered_map>

namespace varnholt {

namespace {

// The progress handler is called once in so many instructions.
constexpr int kStepsPerTick = 1000;

struct Bound {
    long long ticks = 0; // per statement
    long long left = 0;
};

std::mutex boundsMutex;
std::unordered_map<sqlite3 *, Bound> bounds; // nodes stay put: the handler holds a pointer

sqlite3 *handleOf(const QSqlDriver *driver)
{
    if (!driver)
        return nullptr;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

int onProgress(void *data)
{
    Bound &bound = *static_cast<Bound *>(data);
    return --bound.left < 0 ? 1 : 0; // non-zero interrupts the statement
}

// A new statement starts with the whole bound again.
void renewBound(const QSqlDriver *driver)
{
    sqlite3 *handle = handleOf(driver);
    const std::lock_guard lock(boundsMutex);
    if (const auto found = bounds.find(handle); found != bounds.end())
        found->second.left = found->second.ticks;
}

} // namespace

void boundStatements(const QSqlDatabase &db, long long steps)
{
    sqlite3 *handle = handleOf(db.driver());
    if (!handle)
        throw HistoryError{"its database driver cannot be limited"};
    const std::lock_guard lock(boundsMutex);
    Bound &bound = bounds[handle];
    bound.ticks = bound.left = std::max<long long>(1, steps / kStepsPerTick);
    ::sqlite3_progress_handler(handle, kStepsPerTick, onProgress, &bound);
}

void releaseStatementBound(const QSqlDatabase &db)
{
    sqlite3 *handle = handleOf(db.driver());
    if (!handle)
        return;
    ::sqlite3_progress_handler(handle, 0, nullptr, nullptr);
    const std::lock_guard lock(boundsMutex);
    bounds.erase(handle);
}

std::string reasonFor(const QSqlError &error)
{
    // SQLite's primary result codes; the extended ones keep them in the low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return "another program is using it";
    case 8: // SQLITE_READONLY
        return "it is read-only";
    case 9: // SQLITE_INTERRUPT: the statement ran past its bound
        return "reading it takes far too long";
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return "it is damaged or is not a database";
    case 13: // SQLITE_FULL
        return "the disk is full";
    case 14: // SQLITE_CANTOPEN
        return "it cannot be opened";
    case 10: // SQLITE_IOERR
        return "it cannot be read or written";
    default:
        return "the database reports \"" + error.text().toStdString() + "\"";
    }
}

QSqlQuery prepare(const QSqlDatabase &db, const char *sql)
{
    renewBound(db.driver());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromUtf8(sql)))
        throw HistoryError{reasonFor(query.lastError())};
    return query;
}

void run(QSqlQuery &query)
{
    renewBound(query.driver());
    if (!query.exec())
        throw HistoryError{reasonFor(query.lastError())};
}

void run(const QSqlDatabase &db, const char *sql)
{
    renewBound(db.driver());
    QSqlQuery query(db);
    if (!query.exec(QString::fromUtf8(sql)))
        throw HistoryError{reasonFor(query.lastError())};
}

QVariant single(const QSqlDatabase &db, const char *sql)
{
    QSqlQuery query = prepare(db, sql);
    run(query);
    return query.next() ? query.value(0) : QVariant();
}

void runToEnd(const QSqlDatabase &db, const char *sql)
{
    sqlite3 *handle = handleOf(db.driver());
    if (!handle)
        throw HistoryError{"its database driver cannot be reached"};
    renewBound(db.driver());
    sqlite3_stmt *statement = nullptr;
    int result = ::sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
    while (result == SQLITE_OK || result == SQLITE_ROW)
        result = ::sqlite3_step(statement);
    ::sqlite3_finalize(statement);
    if (result != SQLITE_DONE)
        throw HistoryError{"the database reports \"" + std::string(::sqlite3_errstr(result)) + "\""};
}

long long storedAmount(const QVariant &value)
{
    return std::clamp(value.toLongLong(), 0LL, kStoredAmountLimit);
}

long long storedSigned(const QVariant &value)
{
    return std::clamp(value.toLongLong(), -kStoredAmountLimit, kStoredAmountLimit);
}

std::int64_t storedTime(const QVariant &value)
{
    return std::clamp<std::int64_t>(value.toLongLong(), 0, kStoredTimeLimit);
}

long long addHeld(long long a, long long b)
{
    long long sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
}

} // namespace varnholt
