#include "ManualFigures.h"

#include "OddsText.h"

#include <algorithm>
#include <cstdio>

namespace varnholt::help {

namespace {

using odds::decimalText;
using odds::exactText;
using odds::kSymbolNames;

// A figure as the player reads it, marked with the odds tool's key.
std::string figure(const std::string &key, const std::string &value)
{
    return "<span class=\"" + key + "\">" + value + "</span>";
}

// A number written with the C locale's point, given the language's decimal point.
std::string withDecimalPoint(std::string text, const ManualWords &words)
{
    std::replace(text.begin(), text.end(), '.', words.decimalPoint);
    return text;
}

std::string fixed(double value, int places, const ManualWords &words)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return withDecimalPoint(text, words);
}

std::string percent(double value, const ManualWords &words)
{
    return fixed(value * 100.0, 2, words) + words.percent;
}

std::string percent(const Fraction &f, const ManualWords &words) { return percent(f.value(), words); }

// 8000000 as 8,000,000 (in English).
std::string grouped(std::int64_t value, const ManualWords &words)
{
    std::string text = std::to_string(value);
    for (auto at = std::ptrdiff_t(text.size()) - 3; at > 0; at -= 3)
        text.insert(std::size_t(at), words.thousands);
    return text;
}

std::string oneIn(const Fraction &f, const ManualWords &words)
{
    if (f.numerator <= 0)
        return words.never;
    return fill(words.oneIn, {fixed(double(f.denominator) / double(f.numerator), 1, words)});
}

std::string cell(const std::string &content, const char *align = "left")
{
    return std::string("<td align=\"") + align + "\">" + content + "</td>";
}

std::string coinsText(int coins, const ManualWords &words)
{
    return coins == 1 ? words.oneCoin : fill(words.coins, {std::to_string(coins)});
}

std::string coinsRow(const CoinFigures &f, const ManualWords &words)
{
    const std::string coins = std::to_string(f.coins) + "coin";
    const auto oneInExactly = [&words](const Fraction &chance, const std::string &key) {
        return fill(words.oneInExactly, {oneIn(chance, words), figure(key, exactText(chance))});
    };
    return "<tr>" + cell(coinsText(f.coins, words)) +
           cell(percent(f.hitFrequency, words) + "<br><small>" +
                oneInExactly(f.hitFrequency, "hit_frequency_" + coins + "_exact") + "</small>") +
           cell(percent(f.bonusFrequency, words) + "<br><small>" +
                oneInExactly(f.bonusFrequency, "bonus_frequency_" + coins + "_exact") + "</small>") +
           cell(percent(f.returnToPlayer, words) + "<br><small>" +
                fill(words.exactly,
                     {figure("rtp_excluding_nudges_" + coins + "_exact", exactText(f.returnToPlayer))}) +
                "</small>") +
           "</tr>\n";
}

const char kTable[] = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\">\n";

} // namespace

std::string payTableHtml(const ExactOdds &odds, const SymbolImages &images, const ManualWords &words)
{
    std::string html = kTable;
    html += words.payTableHead;
    for (const SymbolPays &pays : odds.paysBySymbol) {
        html += "<tr>" + cell(images[pays.symbol]) +
                cell(fill(words.paysLine, {words.symbols[pays.symbol]})) +
                cell(fill(words.credits, {std::to_string(pays.pays)}), "right") + "</tr>\n";
    }
    return html + "</table>\n";
}

std::string oddsHtml(const ExactOdds &odds, const SymbolImages &images, const ManualWords &words)
{
    std::string html = kTable;
    html += words.oddsHead;
    for (const CoinFigures &f : odds.byCoins)
        html += coinsRow(f, words);
    html += "</table>\n";
    html += fill(words.paysBySymbol, {std::to_string(odds.combinations)});
    html += kTable;
    html += words.paysHead;
    for (const SymbolPays &pays : odds.paysBySymbol) {
        const std::string key = std::string("pays_") + kSymbolNames[pays.symbol].key;
        html += "<tr>" + cell(images[pays.symbol]) + cell(words.symbols[pays.symbol]) +
                cell(figure(key + "_combinations", std::to_string(pays.combinations)), "right") +
                cell(figure(key + "_wild_combinations", std::to_string(pays.wildCombinations)), "right") +
                cell(figure(key + "_credits", std::to_string(pays.credits)), "right") + "</tr>\n";
    }
    html += "</table>\n";
    html += fill(words.vault, {figure("bonus_three_bonus_per_row", std::to_string(odds.threeBonusPerRow)),
                               figure("bonus_two_bonus_wild_per_row", std::to_string(odds.bonusWildPerRow)),
                               figure("bonus_mean_prize", exactText(odds.meanBonusPrize))});
    return html;
}

std::string nudgeOddsHtml(const ExactOdds &odds, const NudgeRuns &runs, const ManualWords &words)
{
    std::string html = kTable;
    html += words.nudgeHead;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const SimulationResult &run = runs[i];
        const std::string coins = std::to_string(i + 1) + "coin";
        html += "<tr>" + cell(coinsText(int(i) + 1, words)) +
                cell(percent(odds.byCoins[i].returnToPlayer, words)) +
                cell(percent(run.returnToPlayer, words) + " &plusmn; " +
                     fixed(run.returnCi95 * 100.0, 2, words) + "<br><small>" + words.perCoin +
                     figure("sim_rtp_" + coins, withDecimalPoint(decimalText(run.returnToPlayer), words)) +
                     " &plusmn; " +
                     figure("sim_rtp_ci95_" + coins, withDecimalPoint(decimalText(run.returnCi95), words)) +
                     "</small>") +
                "</tr>\n";
    }
    html += "</table>\n";
    html += fill(words.nudgePlay, {figure("sim_spins", grouped(kNudgeSpins, words)),
                                   figure("sim_seed", std::to_string(kNudgeSeed))});

    // Claims that hold only while the figures bear them out.
    const auto low = [&runs](std::size_t i) { return runs[i].returnToPlayer - runs[i].returnCi95; };
    const auto high = [&runs](std::size_t i) { return runs[i].returnToPlayer + runs[i].returnCi95; };
    if (low(0) > 1 && low(1) > 1 && low(2) > 1)
        html += words.aheadAlways;
    const auto exact = [&odds](std::size_t i) { return odds.byCoins[i].returnToPlayer.value(); };
    if (exact(0) > std::max(exact(1), exact(2)) && low(0) > std::max(high(1), high(2)))
        html += words.firstCoinBest;
    return html;
}

} // namespace varnholt::help
