#pragma once
// What the History window shows, gathered from the play record and the machine's odds. Plain
// data, so the window draws it without reading the database and tests can hand it any history.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {

struct BalancePoint {
    int spin = 0;              // spins played when the balance was taken
    std::int64_t balance = 0;  // credits minus borrowed
};

enum class BalanceMark { Borrow, PayBack, Vault };

struct MarkedPoint {
    BalancePoint at;
    BalanceMark mark = BalanceMark::Vault;
};

struct BestWin {
    std::int64_t credits = 0;
    std::string when; // already in the player's date and time format
};

struct PlayTotals {
    std::int64_t spins = 0;
    std::int64_t milliseconds = 0; // time spent playing
};

// The player's return set against the machine's figures for the same stakes.
struct FairnessLines {
    double seenPercent = 0;        // credits returned per credit bet, no nudge wins
    double exactPercent = 0;       // the machine without nudges, exact
    double withNudgesPercent = 0;  // the machine with the manual's nudge policy, simulated
    double bandLowPercent = 0;     // 95 % of players at these stakes see between these
    double bandHighPercent = 0;
    std::string sentence;          // the verdict in one plain sentence
};

struct HistoryView {
    std::string gameName;
    std::vector<BalancePoint> balance;
    std::vector<MarkedPoint> marks;
    std::vector<BestWin> bestWins; // best first
    std::int64_t longestLosingRun = 0;
    PlayTotals today, all;
    std::optional<FairnessLines> fairness; // none before the first spin
};

} // namespace varnholt
