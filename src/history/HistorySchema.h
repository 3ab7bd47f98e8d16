#pragma once
// The history file's tables, and the checks that a file opened is ours and whole before anything
// is written to it.

#include <QSqlDatabase>

namespace varnholt {

// Marks the file as a Varnholt Slots history ("VSLH"), so another program's database is left alone.
inline constexpr int kHistoryApplicationId = 0x56534C48;
// The layout of the tables, kept in the file's user_version. 0: before games were told apart.
inline constexpr int kHistoryVersion = 1;

// Throws HistoryError when the file is damaged, another program's, from a newer game, or holds
// anything the game did not put there; otherwise switches it to a write-ahead log and creates
// or brings up to date what it holds. Nothing is written to a file that fails.
void prepareSchema(const QSqlDatabase &db);

// After folding: the pages the folded records held go back to the disk. A file from before that
// cannot do so by itself is rebuilt once when `mayRebuild`. Never throws.
void giveSpaceBack(const QSqlDatabase &db, bool mayRebuild);

} // namespace varnholt
