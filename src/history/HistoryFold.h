#pragma once
// Folding the oldest records into per-day totals, so the file stays bounded.

#include <QSqlDatabase>

#include <cstdint>

namespace varnholt {

// Folds every record at or before `cutoffMs` (spins, borrows and pay-backs, games) into the
// per-day totals, the per-game losing runs and the best spins, and deletes it. Runs inside the
// caller's transaction; throws HistoryError.
void foldUpTo(const QSqlDatabase &db, std::int64_t cutoffMs);

} // namespace varnholt
