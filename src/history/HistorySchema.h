#pragma once
// The history file's tables, and the checks that a file opened is ours and whole before anything
// is written to it.

#include <QSqlDatabase>

namespace varnholt {

// Marks the file as a Varnholt Slots history ("VSLH"), so another program's database is left alone.
inline constexpr int kHistoryApplicationId = 0x56534C48;

// Throws HistoryError when the file is damaged or another program's; otherwise switches it to a
// write-ahead log and creates what is missing. Nothing is written to a file that fails.
void prepareSchema(const QSqlDatabase &db);

} // namespace varnholt
