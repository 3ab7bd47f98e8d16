#include "play/SpokenResult.h"

namespace varnholt {

namespace {

constexpr std::array<std::string_view, 10> kSymbolNames{
    "gold bars", "knight", "horse", "gold shield", "cross shield",
    "scrolls",   "swords", "skull", "Bonus",       "Wild",
};

// Small counts read better as words.
std::string countText(std::int32_t n)
{
    constexpr std::array<const char *, 13> kWords{"no",    "one",   "two",  "three", "four",   "five",  "six",
                                                  "seven", "eight", "nine", "ten",   "eleven", "twelve"};
    return n >= 0 && n < std::int32_t(kWords.size()) ? kWords[std::size_t(n)] : std::to_string(n);
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

std::string plural(std::int32_t n, const char *one, const char *many) { return n == 1 ? one : many; }

// " on the top line", " on the top and middle lines", " on all three lines"; top to bottom.
std::string linesText(const std::array<bool, kLineCount> &paid)
{
    constexpr std::array<const char *, 3> kRowNames{"top", "middle", "bottom"};
    std::array<const char *, 3> names{};
    int count = 0;
    for (int row = 0; row < 3; ++row)
        for (int line = 0; line < kLineCount; ++line)
            if (paid[std::size_t(line)] && kLineRows[std::size_t(line)] == row)
                names[std::size_t(count++)] = kRowNames[std::size_t(row)];
    switch (count) {
    case 0:
        return {};
    case 1:
        return std::string(" on the ") + names[0] + " line";
    case 2:
        return std::string(" on the ") + names[0] + " and " + names[1] + " lines";
    default:
        return " on all three lines";
    }
}

} // namespace

std::string_view symbolName(int symbol)
{
    if (symbol == WildFrameB || symbol == WildFrameC)
        symbol = Wild;
    return symbol >= 0 && symbol < int(kSymbolNames.size()) ? kSymbolNames[std::size_t(symbol)] : "blank";
}

std::string reelSymbolsText(int reel, int stop)
{
    std::string text;
    for (const int symbol : visibleColumn(reel, stop)) {
        if (!text.empty())
            text += ", ";
        text += symbolName(symbol);
    }
    return text;
}

std::string describePlayResult(const PlayResult &result)
{
    std::string text;
    const auto sentence = [&text](const std::string &part) {
        if (!text.empty())
            text += ' ';
        text += capitalised(part) + '.';
    };

    const std::int32_t credits = result.lineCredits + result.vaultCredits;
    if (credits > 0) {
        std::string won = "won " + std::to_string(credits) + plural(credits, " credit", " credits");
        if (result.lineCredits > 0)
            won += linesText(result.paidLines);
        if (result.vaultCredits > 0)
            won += result.lineCredits > 0 ? " and " + std::to_string(result.vaultCredits) + " from the vault"
                                          : " from the vault";
        sentence(won);
    }
    if (result.nudgesWon > 0)
        sentence(countText(result.nudgesWon) + plural(result.nudgesWon, " nudge won", " nudges won"));
    if (result.vaultNudges > 0)
        sentence("the vault gave " + countText(result.vaultNudges) +
                 plural(result.vaultNudges, " nudge", " nudges"));
    if (text.empty())
        sentence("no win");
    if (result.nudgesToUse > 0)
        sentence(std::to_string(result.nudgesToUse) + plural(result.nudgesToUse, " nudge", " nudges") +
                 " to use: press 1, 2 or 3");
    return text;
}

} // namespace varnholt
