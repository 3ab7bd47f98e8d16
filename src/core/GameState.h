#pragma once
// The whole game state of the machine as plain data. Windows read and change it directly;
// the rule functions in core/ and bonus/ take it by reference.

#include <array>
#include <cstdint>
#include <string>

namespace varnholt {

// Largest value a credit counter may hold; no counter is allowed to wrap past it.
inline constexpr std::int32_t kCounterLimit = 2147483647;

// The part of the game state that a saved game keeps.
struct SavedFields {
    std::string GameName;
    std::string GameDate;
    std::int32_t Credits = 1000;
    std::int32_t Borrowed = 1000;
    std::int32_t Spins = 0;
    std::int32_t TotalBets = 0;
    std::int32_t BonusWon = 0;
    std::int32_t BonusPts = 0;
    std::int32_t Nudges = 0;

    bool operator==(const SavedFields &) const = default;
};

struct GameState : SavedFields {
    // Not saved.
    std::int32_t CoinsBet = 0;
    std::int32_t LastBet = 0;
    std::int32_t SpinWin = 0;
    std::array<int, 3> ReelStops{8, 9, 7};
    // Whether the machine is Busy or Exiting is no field: the play phase says it (busyIn in
    // core/PlayLifecycle.h, and PlayPhase::Closed).
    bool NudgeAllowed = false;
    int WildRow = 1;
    bool SoundOn = true;
    bool MusicOn = true;
};

} // namespace varnholt
