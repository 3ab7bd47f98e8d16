#pragma once
// What the History window shows: one game's record of play and, once it has spins, how its
// return compares with the machine's odds. Plain data, so tests can hand the window any history.

#include "history/HistoryRecords.h"
#include "odds/FairnessVerdict.h"

#include <optional>
#include <string>

namespace varnholt {

class PlayHistory;

// The player's return set against the machine's figures for the same stakes.
struct FairnessLines {
    double seenPercent = 0;       // credits returned per credit bet, no nudge wins
    double exactPercent = 0;      // the machine without nudges, exact
    double withNudgesPercent = 0; // the machine with the manual's nudge policy, simulated
    double bandLowPercent = 0;    // 95 % of players at these stakes see between these
    double bandHighPercent = 0;
    std::string sentence; // the verdict in one plain sentence
    Verdict verdict = Verdict::Within;
    std::int64_t oneIn = 0;    // about 1 player in oneIn sees this; 0 when within
    long long spinsToTell = 0; // more spins before the band says anything; 0 once it does
};

struct HistoryView {
    std::string gameName;
    HistoryScope scope = HistoryScope::ThisGame;
    HistoryReport report;
    std::optional<FairnessLines> fairness; // none before the first spin
};

// The fairness lines for a record of spins by stake: the exact odds judge the spins' own
// returns, and the simulated returns with nudges are weighted by what was bet at each stake.
std::optional<FairnessLines> fairnessOf(const HistoryReport &report);

// The band says something once it is this narrow: a return well off the machine's then shows.
inline constexpr double kTellingBandWidth = 60.0; // percentage points

// About how many more spins until a band from `spins` spins, `width` points wide, narrows to
// kTellingBandWidth: the band narrows as one over the square root of the spins.
long long spinsUntilTelling(long long spins, double width);

// The view of one game, read now.
HistoryView historyViewOf(const PlayHistory &history, const std::string &game, std::int64_t nowMs,
                          HistoryScope scope = HistoryScope::ThisGame);

} // namespace varnholt
