#pragma once
// What is looked at before SQLite opens the history file: SQLite would open whatever lies under
// the name, a FIFO or a device among them, and a read-only folder leaves it no room for its log.

#include <cstddef>
#include <string>

namespace varnholt {

// Far above a full history (~20 000 short rows and the per-day totals, a few MB).
inline constexpr std::size_t kHistoryFileCap = 64u << 20;

// Creates the file's folder when missing, then checks the file and SQLite's log files beside it
// without opening any of them; a link is refused wherever it points. Returns why the history cannot be kept
// there, empty when it can.
std::string historyFileProblem(const std::string &path);

} // namespace varnholt
