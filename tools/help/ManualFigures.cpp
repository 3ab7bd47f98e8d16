#include "ManualFigures.h"

#include "OddsText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace varnholt::help {

namespace {

using odds::decimalText;
using odds::exactText;
using odds::kSymbolNames;

std::string titleCase(std::string text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 0 || text[i - 1] == ' ')
            text[i] = char(std::toupper(static_cast<unsigned char>(text[i])));
    return text;
}

// A figure as the player reads it, marked with the odds tool's key.
std::string figure(const std::string &key, const std::string &value)
{
    return "<span class=\"" + key + "\">" + value + "</span>";
}

std::string percent(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", value * 100.0);
    return text;
}

std::string percent(const Fraction &f) { return percent(f.value()); }

// 8000000 as 8,000,000.
std::string grouped(std::int64_t value)
{
    std::string text = std::to_string(value);
    for (auto at = std::ptrdiff_t(text.size()) - 3; at > 0; at -= 3)
        text.insert(std::size_t(at), ",");
    return text;
}

std::string oneIn(const Fraction &f)
{
    char text[48];
    std::snprintf(text, sizeof text, "about 1 spin in %.1f", double(f.denominator) / double(f.numerator));
    return f.numerator > 0 ? text : "never";
}

std::string cell(const std::string &content, const char *align = "left")
{
    return std::string("<td align=\"") + align + "\">" + content + "</td>";
}

std::string coinsText(int coins) { return std::to_string(coins) + (coins == 1 ? " coin" : " coins"); }

std::string coinsRow(const CoinFigures &f)
{
    const std::string coins = std::to_string(f.coins) + "coin";
    return "<tr>" + cell(coinsText(f.coins)) +
           cell(percent(f.hitFrequency) + "<br><small>" + oneIn(f.hitFrequency) + "; exactly " +
                figure("hit_frequency_" + coins + "_exact", exactText(f.hitFrequency)) + "</small>") +
           cell(percent(f.bonusFrequency) + "<br><small>" + oneIn(f.bonusFrequency) + "; exactly " +
                figure("bonus_frequency_" + coins + "_exact", exactText(f.bonusFrequency)) + "</small>") +
           cell(percent(f.returnToPlayer) + "<br><small>exactly " +
                figure("rtp_excluding_nudges_" + coins + "_exact", exactText(f.returnToPlayer)) +
                "</small>") +
           "</tr>\n";
}

const char kTable[] = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\">\n";

} // namespace

std::string payTableHtml(const ExactOdds &odds, const SymbolImages &images)
{
    std::string html = kTable;
    html += "<tr><th>Symbol</th><th>On the line</th><th>Pays</th></tr>\n";
    for (const SymbolPays &pays : odds.paysBySymbol) {
        const std::string name = titleCase(kSymbolNames[pays.symbol].label);
        html += "<tr>" + cell(images[pays.symbol]) +
                cell(name + ", " + name + ", then " + name + " or Wild") +
                cell(std::to_string(pays.pays) + " credits", "right") + "</tr>\n";
    }
    return html + "</table>\n";
}

std::string oddsHtml(const ExactOdds &odds, const SymbolImages &images)
{
    std::string html = kTable;
    html += "<tr><th>Coins</th><th>A spin pays</th><th>A spin opens the vault</th>"
            "<th>Paid back per coin</th></tr>\n";
    for (const CoinFigures &f : odds.byCoins)
        html += coinsRow(f);
    html += "</table>\n<h3>Pays by symbol, one line</h3>\n";
    html += "<p>How many of the " + std::to_string(odds.combinations) +
            " stop combinations pay each prize on one line, how many of them need the Wild, and "
            "the credits they pay between them.</p>\n";
    html += kTable;
    html +=
        "<tr><th colspan=\"2\">Symbol</th><th>Combinations</th><th>With the Wild</th><th>Credits</th></tr>\n";
    for (const SymbolPays &pays : odds.paysBySymbol) {
        const std::string key = std::string("pays_") + kSymbolNames[pays.symbol].key;
        html += "<tr>" + cell(images[pays.symbol]) + cell(titleCase(kSymbolNames[pays.symbol].label)) +
                cell(figure(key + "_combinations", std::to_string(pays.combinations)), "right") +
                cell(figure(key + "_wild_combinations", std::to_string(pays.wildCombinations)), "right") +
                cell(figure(key + "_credits", std::to_string(pays.credits)), "right") + "</tr>\n";
    }
    html += "</table>\n<p>The vault opens on " +
            figure("bonus_three_bonus_per_row", std::to_string(odds.threeBonusPerRow)) +
            " combinations per row with three Bonus chests and on " +
            figure("bonus_two_bonus_wild_per_row", std::to_string(odds.bonusWildPerRow)) +
            " more with two chests and the Wild on a line you paid for. A chest is worth " +
            figure("bonus_mean_prize", exactText(odds.meanBonusPrize)) +
            " credits on average, counting the 6 Nudges as nothing.</p>\n";
    return html;
}

std::string nudgeOddsHtml(const ExactOdds &odds, const NudgeRuns &runs)
{
    std::string html = kTable;
    html += "<tr><th>Coins</th><th>Never nudging</th><th>Nudging as above</th></tr>\n";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const SimulationResult &run = runs[i];
        const std::string coins = std::to_string(i + 1) + "coin";
        char interval[32];
        std::snprintf(interval, sizeof interval, " &plusmn; %.2f", run.returnCi95 * 100.0);
        html += "<tr>" + cell(coinsText(int(i) + 1)) + cell(percent(odds.byCoins[i].returnToPlayer)) +
                cell(percent(run.returnToPlayer) + interval + "<br><small>per coin " +
                     figure("sim_rtp_" + coins, decimalText(run.returnToPlayer)) + " &plusmn; " +
                     figure("sim_rtp_ci95_" + coins, decimalText(run.returnCi95)) + "</small>") +
                "</tr>\n";
    }
    html += "</table>\n<p>Each figure with nudges comes from " + figure("sim_spins", grouped(kNudgeSpins)) +
            " spins played through the machine's rules at that stake, from a new game, with the random "
            "numbers started at " +
            figure("sim_seed", std::to_string(kNudgeSeed)) +
            ". The figure after &plusmn; is the 95 % interval in points: worked out this way, such an "
            "interval holds the machine's true figure 19 times in 20.</p>\n";

    // Claims that hold only while the figures bear them out.
    const auto low = [&runs](std::size_t i) { return runs[i].returnToPlayer - runs[i].returnCi95; };
    const auto high = [&runs](std::size_t i) { return runs[i].returnToPlayer + runs[i].returnCi95; };
    if (low(0) > 1 && low(1) > 1 && low(2) > 1)
        html += "<p>Played this way, the machine pays back more than you bet, whatever your stake.</p>\n";
    const auto exact = [&odds](std::size_t i) { return odds.byCoins[i].returnToPlayer.value(); };
    if (exact(0) > std::max(exact(1), exact(2)) && low(0) > std::max(high(1), high(2)))
        html += "<p>Every coin buys another line to win on, but three Bonus chests open the vault on any "
                "row, whatever you bet. So the first coin carries the most value, and the return per coin "
                "is highest when you play one coin at a time, with or without nudges.</p>\n";
    return html;
}

} // namespace varnholt::help
