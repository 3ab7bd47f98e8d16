#include "core/Statistics.h"

#include <cstdio>

namespace varnholt {

GameStatistics gameStatistics(const SavedFields &game)
{
    GameStatistics figures;
    figures.payoffs = std::int64_t(game.Credits) - game.Borrowed + game.TotalBets;
    figures.normalPayoffs = figures.payoffs - game.BonusWon;
    if (game.TotalBets > 0)
        figures.payoffPercentage = double(figures.payoffs) / double(game.TotalBets) * 100.0;
    return figures;
}

std::string formatGrouped(std::int64_t value, const std::string &separator, int width)
{
    // The magnitude as unsigned, so the most negative value has one too.
    const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    int characters = int(text.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += separator;
            characters += separator.empty() ? 0 : 1;
        }
        text += digits[i];
        ++characters;
    }
    return characters < width ? std::string(std::size_t(width - characters), ' ') + text : text;
}

std::string formatPercentage(double percentage)
{
    char text[64];
    std::snprintf(text, sizeof text, "%4.2f%%", percentage);
    return text;
}

} // namespace varnholt
