#pragma once
// The record of every spin, borrow, pay-back and game begun or opened, in an SQLite file beside
// the saved game, for the History window.
//
// Each record is one transaction in a write-ahead log: a crash or a kill loses at most the record
// being written and never damages the file. Past kSpinRowLimit spins (or as many borrows or games)
// the oldest are folded into per-day totals in the same transaction, so the file stays small and
// the all-time figures stay whole.
//
// The history never stops the game. When the file cannot be used (not a regular file, read-only,
// locked by another program, damaged or not ours) it says so once through `onUnavailable` and
// every later call does nothing; the file itself is left as it was. A QCoreApplication (the
// game's QApplication) must exist, since Qt loads its SQLite driver as a plugin.

#include "history/HistoryRecords.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

inline constexpr long long kSpinRowLimit = 20000;
// Folding takes this many rows at once, so it happens once in so many records, not on each.
inline constexpr long long kFoldBatch = 1000;
// A file far over the limit (from an older game) is folded this many rows per record, so no
// record waits long on it.
inline constexpr long long kFoldSlice = 2 * kFoldBatch;
// Each statement stops after this many of SQLite's steps: a few tens of milliseconds, far more
// than a fold slice or a full report needs, far less than a stalled game.
inline constexpr long long kStatementSteps = 40'000'000;
// A pause between two records counts as play up to this long.
inline constexpr std::int64_t kPlayGapCapMs = 5 * 60 * 1000;

struct HistoryLimits {
    long long rowLimit = kSpinRowLimit; // per table: spins, borrows and pay-backs, games
    long long foldBatch = kFoldBatch;
    long long foldSlice = kFoldSlice;
    long long statementSteps = kStatementSteps;
};

class PlayHistory {
public:
    using Notice = std::function<void(const std::string &notice)>;

    // Opens or creates the file, creating its folder; may call `onUnavailable` before returning.
    PlayHistory(std::string path, Notice onUnavailable, HistoryLimits limits = {});
    ~PlayHistory();
    PlayHistory(const PlayHistory &) = delete;
    PlayHistory &operator=(const PlayHistory &) = delete;

    bool available() const;
    const std::string &path() const;

    // A spin as it lands; then each nudge used on it, added to it.
    void recordSpin(const SpinRecord &spin);
    void recordNudge(const NudgeRecord &nudge);
    void recordMoney(const MoneyRecord &money);
    // A game begun (New Game) or opened: the records after it belong to it.
    void recordGame(const GameRecord &game);

    // Every game name the history holds, sorted.
    std::vector<std::string> gameNames() const;
    // The figures of one game name, of every game played under it or of the one in progress;
    // "today" is the local calendar date of `nowMs`. The balance has at most `maxPoints` points
    // (at least 4), the first, the last, the lowest and the highest among them. Asked again for
    // the same, it costs only what was recorded since.
    HistoryReport report(const std::string &game, std::int64_t nowMs, std::size_t maxPoints,
                         HistoryScope scope = HistoryScope::AllGames) const;

    // Whether report() for these would only add what was recorded since, without reading the file.
    bool reportKept(const std::string &game, std::int64_t nowMs, HistoryScope scope) const;
    // Reads what report() needs on a thread of its own, so a large history never holds up play.
    // `read` is called on that thread when the reading ends; the owner then calls keepLoaded() on
    // its own thread. Records written in between are added once. A load already under way stays.
    void loadReport(const std::string &game, std::int64_t nowMs, HistoryScope scope,
                    std::function<void()> read);
    bool loading() const;
    // Keeps what the load read; false when a fold or Clear came in between and it must be read again.
    bool keepLoaded();
    // A file far over its limit (from an older game) is folded a slice at a time; true while more remain.
    bool overLimit() const;
    void foldSlice();
    // Lets go of the kept figures (the window closed); the next report reads them again.
    void forgetReport();

    // Every record as CSV (UTF-8, a header row, local ISO 8601 times), oldest first; folded days
    // are not records and are left out. Empty when the history is unavailable.
    std::string csv() const;
    // Empties the history, folded days included. False when it could not.
    bool clear();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// <data home>/varnholt-slots/<exeStem>-history.sqlite, beside the saved game.
std::string playHistoryPath(std::string_view exeStem);

// The current time for a record: milliseconds since the epoch, UTC.
std::int64_t currentTimeMs();

} // namespace varnholt
