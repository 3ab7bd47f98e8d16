#pragma once
// Statements on the history's connection, for the history's own files only (the public header
// keeps Qt out). A failed statement throws HistoryError, caught where PlayHistory is entered, so
// a transaction of many statements is rolled back in one place.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cstdint>
#include <string>

namespace varnholt {

struct HistoryError {
    std::string reason; // ends the sentence "The play history cannot be kept in <path>: ..."
};

std::string reasonFor(const QSqlError &error);

// Every later statement on `db` is stopped after about `steps` of SQLite's virtual machine
// instructions: a file made to stall the game (a huge join hidden in it) costs a fraction of a
// second, then fails like a damaged one. Counted in steps, not time, so it is the same on every
// machine. Until releaseStatementBound, which must come before the connection closes.
void boundStatements(const QSqlDatabase &db, long long steps);
void releaseStatementBound(const QSqlDatabase &db);

// A statement prepared on `db`; forward-only, since every result is read once in order.
QSqlQuery prepare(const QSqlDatabase &db, const char *sql);
void run(QSqlQuery &query);
void run(const QSqlDatabase &db, const char *sql);
// The first column of the first row, or an invalid QVariant when there is no row.
QVariant single(const QSqlDatabase &db, const char *sql);
// Runs `sql` through every step it takes, as Qt's driver does not for a statement that yields
// rows of no columns (PRAGMA incremental_vacuum frees one page per step).
void runToEnd(const QSqlDatabase &db, const char *sql);

inline QString text(const std::string &utf8) { return QString::fromStdString(utf8); }
inline std::string text(const QVariant &value) { return value.toString().toStdString(); }

// Stored numbers as read: held to a range no play can leave, so a file written by hand cannot
// turn a sum negative or overflow it. Far above any real game.
inline constexpr long long kStoredAmountLimit = 1LL << 40;  // credits, counts, milliseconds played
inline constexpr std::int64_t kStoredTimeLimit = 1LL << 46; // milliseconds since 1970: year 4200
long long storedAmount(const QVariant &value);              // [0, kStoredAmountLimit]
long long storedSigned(const QVariant &value);              // [-kStoredAmountLimit, kStoredAmountLimit]
std::int64_t storedTime(const QVariant &value);             // [0, kStoredTimeLimit]

// a + b, held at the type's limits instead of overflowing.
long long addHeld(long long a, long long b);

} // namespace varnholt
