#pragma once
// The history as a spreadsheet reads it.

#include <QSqlDatabase>

#include <string>

namespace varnholt {

// Every kept record, oldest first, as CSV: UTF-8, a header row, times in local ISO 8601.
// Throws HistoryError.
std::string historyCsv(const QSqlDatabase &db);

// One CSV field: quoted when it must be, and a leading =, +, - or @ in text kept from being
// read as a formula.
std::string csvField(const std::string &text);

} // namespace varnholt
