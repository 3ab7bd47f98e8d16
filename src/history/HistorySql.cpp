#include "history/HistorySql.h"

#include <QSqlError>

namespace varnholt {

std::string reasonFor(const QSqlError &error)
{
    // SQLite's primary result codes; the extended ones keep them in the low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return "another program is using it";
    case 8: // SQLITE_READONLY
        return "it is read-only";
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
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromUtf8(sql)))
        throw HistoryError{reasonFor(query.lastError())};
    return query;
}

void run(QSqlQuery &query)
{
    if (!query.exec())
        throw HistoryError{reasonFor(query.lastError())};
}

void run(const QSqlDatabase &db, const char *sql)
{
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

} // namespace varnholt
