#pragma once
// The figures the History window shows, read from kept records and folded days together.

#include "history/HistoryRecords.h"

#include <QSqlDatabase>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace varnholt {

// Throw HistoryError.
HistoryReport readReport(const QSqlDatabase &db, const std::string &game, std::int64_t nowMs,
                         std::size_t maxPoints);
std::vector<std::string> readGameNames(const QSqlDatabase &db);

} // namespace varnholt
