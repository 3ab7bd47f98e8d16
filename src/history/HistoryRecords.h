#pragma once
// What the play history keeps and what it reads back for the History window: plain types, so
// neither the window nor the tests need anything of the database.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnholt {

// One spin, written as it lands; each nudge used after it adds to it. Credits are whole
// credits; one coin is one credit.
struct SpinRecord {
    std::int64_t timeMs = 0; // milliseconds since the epoch, UTC
    std::string game;        // the saved game's name
    int coins = 1;           // 1 to 3
    std::array<int, 3> stops{};
    long long lineWin = 0;  // won on the lines at the stop
    long long nudgeWin = 0; // won on the lines by nudging
    int nudgesUsed = 0;
    int nudgesEarned = 0;
    long long vaultPrize = 0; // the vault's credit prize; 0 when it gave none or the nudge prize
    bool vaultOpened = false;
    bool vaultByNudge = false;  // opened by a nudge: its prize is a nudge win, not the stop's
    long long credits = 0;      // after the spin and its nudges so far
    long long borrowed = 0;     // likewise
    std::int64_t gameStart = 0; // the game it belongs to; set by the history as it is written
};

// What one nudge added to the spin before it.
struct NudgeRecord {
    std::string game;
    long long lineWin = 0; // won on the lines
    int nudgesEarned = 0;
    bool vaultOpened = false;
    long long vaultPrize = 0;
    long long credits = 0; // after the nudge
    long long borrowed = 0;
};

enum class MoneyKind { Borrow, PayBack };

struct MoneyRecord {
    std::int64_t timeMs = 0;
    std::string game;
    MoneyKind kind = MoneyKind::Borrow;
    long long amount = 0; // credits borrowed or paid back, positive
    long long credits = 0;
    long long borrowed = 0;
    std::int64_t gameStart = 0; // set by the history
};

enum class GameKind { New, Opened };

struct GameRecord {
    std::int64_t timeMs = 0;
    std::string game;
    GameKind kind = GameKind::New;
    long long credits = 0;
    long long borrowed = 0;
};

// The balance after a spin or after a borrow or pay-back. A thinned history merges the marks of
// the points it leaves out into a neighbour it keeps.
struct BalancePoint {
    long long spin = 0; // spins of this game so far, folded ones included
    std::int64_t timeMs = 0;
    long long balance = 0; // credits - borrowed
    bool borrowed = false;
    bool paidBack = false;
    bool vaultOpened = false;
    bool gameStarted = false; // New Game or Open Game: the balance starts again here
};

struct BestWin {
    std::int64_t timeMs = 0;
    int coins = 0;
    long long won = 0; // lines + nudges + vault credits
};

// For the fairness check: the machine's odds are exact for the lines at the stop and the vault,
// so wins made by nudging are counted apart.
struct CoinReturns {
    long long spins = 0;
    long long bet = 0;
    long long withoutNudges = 0; // lines at the stop + vault credit prizes
    long long withNudges = 0;    // the same plus nudge wins
};

// Which records a report covers: every game played under a name, or only the one in progress.
enum class HistoryScope { AllGames, ThisGame };

struct HistoryReport {
    std::vector<BalancePoint> balance; // kept spins only; folded days have no points
    std::vector<BestWin> bestWins;     // up to five, best first, earlier first on a tie
    long long longestLosingRun = 0;    // consecutive spins of one game that returned no credits
    long long spinsToday = 0;          // by the local calendar date
    long long spinsAll = 0;
    std::int64_t playedTodayMs = 0;
    std::int64_t playedAllMs = 0;
    std::array<CoinReturns, 3> byCoins{}; // [coins - 1]
};

} // namespace varnholt
