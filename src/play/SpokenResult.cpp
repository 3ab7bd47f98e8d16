#include "play/SpokenResult.h"

namespace varnholt {

namespace {

constexpr std::array<std::string_view, 10> kSymbolNames{
    "gold bars", "knight", "horse", "gold shield", "cross shield",
    "scrolls",   "swords", "skull", "Bonus",       "Wild",
};

std::string countText(const PlayWords &words, std::int32_t n)
{
    return n >= 0 && n < std::int32_t(words.counts.size()) ? words.counts[std::size_t(n)] : std::to_string(n);
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// The words with %1 and %2 filled in.
std::string filled(const std::string &words, const std::string &first, const std::string &second = {})
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == '%' && i + 1 < words.size() && (words[i + 1] == '1' || words[i + 1] == '2')) {
            text += words[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += words[i];
        }
    }
    return text;
}

std::string counted(std::int32_t n, const std::string &one, const std::string &many,
                    const std::string &number)
{
    return filled(n == 1 ? one : many, number);
}

// " on the top line", " on the top and middle lines", " on all three lines"; top to bottom.
std::string linesText(const PlayWords &words, const std::array<bool, kLineCount> &paid)
{
    std::array<std::string, 3> names{};
    std::size_t count = 0;
    for (std::size_t row = 0; row < 3; ++row)
        for (int line = 0; line < kLineCount; ++line)
            if (paid[std::size_t(line)] && kLineRows[std::size_t(line)] == int(row))
                names[count++] = words.rows[row];
    switch (count) {
    case 0:
        return {};
    case 1:
        return filled(words.oneLine, names[0]);
    case 2:
        return filled(words.twoLines, names[0], names[1]);
    default:
        return words.allLines;
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

std::string describePlayResult(const PlayResult &result, const PlayWords &words)
{
    std::string text;
    const auto sentence = [&text](const std::string &part) {
        if (!text.empty())
            text += ' ';
        text += capitalised(part) + '.';
    };

    const std::int32_t credits = result.lineCredits + result.vaultCredits;
    if (credits > 0) {
        std::string won = counted(credits, words.wonOne, words.wonMany, std::to_string(credits));
        if (result.lineCredits > 0)
            won += linesText(words, result.paidLines);
        if (result.vaultCredits > 0)
            won += result.lineCredits > 0 ? filled(words.vaultToo, std::to_string(result.vaultCredits))
                                          : words.vaultOnly;
        sentence(won);
    }
    if (result.nudgesWon > 0)
        sentence(counted(result.nudgesWon, words.nudgesWonOne, words.nudgesWonMany,
                         countText(words, result.nudgesWon)));
    if (result.vaultNudges > 0)
        sentence(counted(result.vaultNudges, words.vaultNudgesOne, words.vaultNudgesMany,
                         countText(words, result.vaultNudges)));
    if (text.empty())
        sentence(words.noWin);
    if (result.nudgesToUse > 0)
        sentence(
            counted(result.nudgesToUse, words.toUseOne, words.toUseMany, std::to_string(result.nudgesToUse)));
    return text;
}

} // namespace varnholt
