#include "play/SpokenResult.h"

namespace varnholt {

namespace {

constexpr std::array<std::string_view, 10> kSymbolNames{
    "gold bars", "knight", "horse", "gold shield", "cross shield",
    "scrolls",   "swords", "skull", "Bonus",       "Wild",
};

constexpr std::array<std::string_view, 13> kCountWords{
    "no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve"};

std::string plural(std::int32_t n, std::string_view noun) { return std::string(noun) + (n == 1 ? "" : "s"); }

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

std::string englishWon(std::int32_t credits, PaidRows rows, std::int32_t vaultCredits)
{
    constexpr std::array<std::string_view, 8> kLines{
        "",
        " on the top line",
        " on the middle line",
        " on the bottom line",
        " on the top and middle lines",
        " on the top and bottom lines",
        " on the middle and bottom lines",
        " on all three lines",
    };
    std::string text = "Won " + std::to_string(credits) + ' ' + plural(credits, "credit");
    text += kLines[std::size_t(rows)];
    if (vaultCredits > 0)
        text += vaultCredits == credits ? " from the vault"
                                        : " and " + std::to_string(vaultCredits) + " from the vault";
    return text + '.';
}

// Which rows the paid lines lie on, top to bottom.
PaidRows paidRows(const std::array<bool, kLineCount> &paid)
{
    std::array<bool, 3> rows{};
    for (int line = 0; line < kLineCount; ++line)
        if (paid[std::size_t(line)])
            rows[std::size_t(kLineRows[std::size_t(line)])] = true;
    const int mask = (rows[0] ? 1 : 0) | (rows[1] ? 2 : 0) | (rows[2] ? 4 : 0);
    constexpr std::array<PaidRows, 8> kByMask{PaidRows::None,         PaidRows::Top,    PaidRows::Middle,
                                              PaidRows::TopMiddle,    PaidRows::Bottom, PaidRows::TopBottom,
                                              PaidRows::MiddleBottom, PaidRows::All};
    return kByMask[std::size_t(mask)];
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

std::string englishCount(std::int32_t n)
{
    return n >= 0 && n < std::int32_t(kCountWords.size()) ? std::string(kCountWords[std::size_t(n)])
                                                          : std::to_string(n);
}

PlayWords englishPlayWords()
{
    PlayWords words;
    words.won = englishWon;
    words.nudgesWon = [](std::int32_t n) {
        return capitalised(englishCount(n)) + ' ' + plural(n, "nudge") + " won.";
    };
    words.vaultNudges = [](std::int32_t n) {
        return "The vault gave " + englishCount(n) + ' ' + plural(n, "nudge") + '.';
    };
    words.nudgesToUse = [](std::int32_t n) {
        return std::to_string(n) + ' ' + plural(n, "nudge") + " to use: press 1, 2 or 3.";
    };
    words.noWin = "No win.";
    return words;
}

std::string describePlayResult(const PlayResult &result, const PlayWords &words)
{
    std::string text;
    const auto sentence = [&text](const std::string &whole) {
        if (!text.empty())
            text += ' ';
        text += whole;
    };

    const std::int32_t credits = result.lineCredits + result.vaultCredits;
    if (credits > 0)
        sentence(words.won(credits, result.lineCredits > 0 ? paidRows(result.paidLines) : PaidRows::None,
                           result.vaultCredits));
    if (result.nudgesWon > 0)
        sentence(words.nudgesWon(result.nudgesWon));
    if (result.vaultNudges > 0)
        sentence(words.vaultNudges(result.vaultNudges));
    if (text.empty())
        sentence(words.noWin);
    if (result.nudgesToUse > 0)
        sentence(words.nudgesToUse(result.nudgesToUse));
    return text;
}

} // namespace varnholt
