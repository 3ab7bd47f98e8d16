#pragma once
// What a screen reader says of the machine: the symbols a reel shows, and one sentence for the
// result of a spin or nudge ("No win.", "Won 20 credits on the top line.").

#include "core/PayTable.h"
#include "core/Reels.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

// A symbol's name as the pay chart calls it: "gold bars", "knight", ..., "Bonus", "Wild".
std::string_view symbolName(int symbol);

// A reel's three shown symbols, top to bottom: "knight, Wild, skull".
std::string reelSymbolsText(int reel, int stop);

// One play's result as the player saw it.
struct PlayResult {
    std::array<bool, kLineCount> paidLines{}; // by line (middle, top, bottom)
    std::int32_t lineCredits = 0;             // paid by the lines
    std::int32_t vaultCredits = 0;            // the vault's prize in credits
    std::int32_t vaultNudges = 0;             // the vault's prize in nudges
    std::int32_t nudgesWon = 0;               // earned by lines won with the Wild
    std::int32_t nudgesToUse = 0;             // held now, when a nudge may follow; else 0
};

// The words of the result's sentences, each with its number or name as %1 (and %2). English
// here; a window hands them over in the player's language.
struct PlayWords {
    std::string wonOne = "won %1 credit", wonMany = "won %1 credits";
    std::array<std::string, 3> rows{"top", "middle", "bottom"};
    std::string oneLine = " on the %1 line", twoLines = " on the %1 and %2 lines",
                allLines = " on all three lines";
    std::string vaultToo = " and %1 from the vault", vaultOnly = " from the vault";
    std::string nudgesWonOne = "%1 nudge won", nudgesWonMany = "%1 nudges won";
    std::string vaultNudgesOne = "the vault gave %1 nudge", vaultNudgesMany = "the vault gave %1 nudges";
    std::string noWin = "no win";
    std::string toUseOne = "%1 nudge to use: press 1, 2 or 3",
                toUseMany = "%1 nudges to use: press 1, 2 or 3";
    // Small counts read better as words: 0 to 12.
    std::array<std::string, 13> counts{"no",    "one",   "two",  "three", "four",   "five",  "six",
                                       "seven", "eight", "nine", "ten",   "eleven", "twelve"};
};

// "Won 20 credits on the top line. Two nudges won." or "No win. 3 nudges to use: press 1, 2
// or 3." Every sentence ends with a full stop and starts with a capital (an ASCII letter only).
std::string describePlayResult(const PlayResult &result, const PlayWords &words = {});

} // namespace varnholt
