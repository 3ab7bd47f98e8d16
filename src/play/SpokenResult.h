#pragma once
// What a screen reader says of the machine: the symbols a reel shows, and one sentence for the
// result of a spin or nudge ("No win.", "Won 20 credits on the top line.").

#include "core/PayTable.h"
#include "core/Reels.h"

#include <array>
#include <cstdint>
#include <functional>
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

// The paid lines a win was on, named top to bottom; a language words each set as a whole.
enum class PaidRows { None, Top, Middle, Bottom, TopMiddle, TopBottom, MiddleBottom, All };

// The result's whole sentences, each given its numbers: English here, with English plurals; a
// window hands over the player's language. Each sentence starts with a capital and ends with its
// full stop.
struct PlayWords {
    // "Won 20 credits on the top line." or "... and 5 from the vault."; rows None with vault credits
    // alone: "Won 50 credits from the vault."
    std::function<std::string(std::int32_t credits, PaidRows rows, std::int32_t vaultCredits)> won;
    std::function<std::string(std::int32_t n)> nudgesWon;   // "Two nudges won."
    std::function<std::string(std::int32_t n)> vaultNudges; // "The vault gave six nudges."
    std::function<std::string(std::int32_t n)> nudgesToUse; // "3 nudges to use: press 1, 2 or 3."
    std::string noWin;                                      // "No win."
};

PlayWords englishPlayWords();

// Small counts of nudges read better as words: "no", "one" to "twelve", then digits.
std::string englishCount(std::int32_t n);

// "Won 20 credits on the top line. Two nudges won." or "No win. 3 nudges to use: press 1, 2
// or 3."
std::string describePlayResult(const PlayResult &result, const PlayWords &words = englishPlayWords());

} // namespace varnholt
