#pragma once
// What one play (a spin or a nudge) did, as the rules judged it: the one account of a result
// that the history, the spoken result and the screen all take their facts from, so none of them
// has to work it out again from how the game state changed.

#include "core/PayTable.h"
#include "core/Reels.h"

#include <array>
#include <cstdint>

namespace varnholt {

struct PlayOutcome {
    bool byNudge = false; // a nudge judged the reels again rather than a spin
    int coins = 0;        // the stake judged
    std::array<int, kReelCount> stops{};
    std::array<bool, kLineCount> paidLines{}; // lines that paid credits, by line
    std::int32_t lineCredits = 0;             // paid by the lines
    std::int32_t nudgesWon = 0;               // earned by lines won with the Wild
    bool vaultOpened = false;
    std::int32_t vaultCredits = 0; // the vault's prize in credits
    std::int32_t vaultNudges = 0;  // the vault's prize in nudges

    std::int32_t credits() const { return lineCredits + vaultCredits; }
    std::int32_t nudgesEarned() const { return nudgesWon + vaultNudges; }
};

} // namespace varnholt
