#pragma once
// Statements on the history's connection, for the history's own files only (the public header
// keeps Qt out). A failed statement throws HistoryError, caught where PlayHistory is entered, so
// a transaction of many statements is rolled back in one place.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <string>

namespace varnholt {

struct HistoryError {
    std::string reason; // ends the sentence "The play history cannot be kept in <path>: ..."
};

std::string reasonFor(const QSqlError &error);

// A statement prepared on `db`; forward-only, since every result is read once in order.
QSqlQuery prepare(const QSqlDatabase &db, const char *sql);
void run(QSqlQuery &query);
void run(const QSqlDatabase &db, const char *sql);
// The first column of the first row, or an invalid QVariant when there is no row.
QVariant single(const QSqlDatabase &db, const char *sql);

inline QString text(const std::string &utf8) { return QString::fromStdString(utf8); }
inline std::string text(const QVariant &value) { return value.toString().toStdString(); }

} // namespace varnholt
