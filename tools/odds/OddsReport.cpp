#include "OddsReport.h"
#include "OddsText.h"

#include <array>
#include <cstdio>
#include <string>

namespace varnholt::odds {

namespace {

double perSpin(std::int64_t count, const SimulationResult &r)
{
    return r.spins > 0 ? double(count) / double(r.spins) : 0.0;
}

double spinsPerSecond(const SimulatedRun &run)
{
    return run.seconds > 0 ? double(run.result.spins) / run.seconds : 0.0;
}

} // namespace

void printKeyValue(std::ostream &out, const ExactOdds &odds, const std::optional<SimulatedRun> &run)
{
    const auto line = [&out](const std::string &name, const std::string &value) {
        out << name << '=' << value << '\n';
    };
    line("combinations", std::to_string(odds.combinations));
    line("paying_combinations", std::to_string(odds.payingCombinations));
    line("line_pay_total", std::to_string(odds.linePayTotal));
    line("line_pay_mean", exactText(odds.meanLinePay));
    line("line_pay_mean_decimal", decimalText(odds.meanLinePay.value()));
    for (const SymbolPays &pays : odds.paysBySymbol) {
        const std::string key = std::string("pays_") + kSymbolNames[pays.symbol].key;
        line(key + "_combinations", std::to_string(pays.combinations));
        line(key + "_wild_combinations", std::to_string(pays.wildCombinations));
        line(key + "_credits", std::to_string(pays.credits));
    }
    line("bonus_three_bonus_per_row", std::to_string(odds.threeBonusPerRow));
    line("bonus_two_bonus_wild_per_row", std::to_string(odds.bonusWildPerRow));
    line("bonus_mean_prize", exactText(odds.meanBonusPrize));
    line("bonus_nudge_prize_value", "0");
    for (const CoinFigures &f : odds.byCoins) {
        const std::string coins = std::to_string(f.coins) + "coin";
        line("hit_frequency_" + coins, decimalText(f.hitFrequency.value()));
        line("hit_frequency_" + coins + "_exact", exactText(f.hitFrequency));
        line("bonus_frequency_" + coins, decimalText(f.bonusFrequency.value()));
        line("bonus_frequency_" + coins + "_exact", exactText(f.bonusFrequency));
        line("rtp_excluding_nudges_" + coins, decimalText(f.returnToPlayer.value()));
        line("rtp_excluding_nudges_" + coins + "_exact", exactText(f.returnToPlayer));
    }
    if (!run)
        return;
    const SimulationResult &r = run->result;
    line("sim_spins", std::to_string(r.spins));
    line("sim_seed", std::to_string(run->settings.seed));
    line("sim_coins", std::to_string(run->settings.coins));
    line("sim_rtp", decimalText(r.returnToPlayer));
    line("sim_rtp_ci95", decimalText(r.returnCi95));
    line("sim_hit_frequency", decimalText(perSpin(r.winningSpins, r)));
    line("sim_bonus_games_per_spin", decimalText(perSpin(r.bonusGames, r)));
    line("sim_nudges_earned_per_spin", decimalText(perSpin(r.nudgesEarned, r)));
    line("sim_nudges_used_per_spin", decimalText(perSpin(r.nudgesUsed, r)));
    line("sim_nudged_wins_per_spin", decimalText(perSpin(r.nudgedWins, r)));
    line("sim_spins_per_second", std::to_string(std::int64_t(spinsPerSecond(*run))));
}

void printTable(std::ostream &out, const ExactOdds &odds, const std::optional<SimulatedRun> &run)
{
    char text[256];
    const auto row = [&out, &text](const char *format, auto... values) {
        std::snprintf(text, sizeof text, format, values...);
        out << text << '\n';
    };

    out << "Varnholt Slots: exact figures over every stop combination\n\n";
    row("  Stop combinations                %d (30 x 30 x 30, equally likely)", odds.combinations);
    row("  Paying combinations, one line    %d", odds.payingCombinations);
    row("  Credits paid, one line           %lld", static_cast<long long>(odds.linePayTotal));
    row("  Mean pay per line                %s = %s credits", exactText(odds.meanLinePay).c_str(),
        decimalText(odds.meanLinePay.value()).c_str());
    out << "\n  Pays by symbol (one line)   pays  combinations  with Wild  credits\n";
    for (const SymbolPays &pays : odds.paysBySymbol)
        row("    %-24s %5d  %12d  %9d  %7lld", kSymbolNames[pays.symbol].label, pays.pays, pays.combinations,
            pays.wildCombinations, static_cast<long long>(pays.credits));
    out << "\n  Bonus game openings per row\n";
    row("    Bonus, Bonus, Bonus (any row)          %d", odds.threeBonusPerRow);
    row("    Bonus, Bonus, Wild (covered row only)  %d", odds.bonusWildPerRow);
    row("  Bonus game valued at the mean prize: %s credits (the \"6 Nudges\" prize counts as 0 credits)",
        exactText(odds.meanBonusPrize).c_str());

    out << "\n  Coins  Hit frequency            Bonus game frequency     Return to player (no nudges)\n";
    for (const CoinFigures &f : odds.byCoins) {
        const std::string hit = exactText(f.hitFrequency) + " = " + decimalText(f.hitFrequency.value());
        const std::string bonus = exactText(f.bonusFrequency) + " = " + decimalText(f.bonusFrequency.value());
        const std::string rtp = exactText(f.returnToPlayer) + " = " + decimalText(f.returnToPlayer.value());
        row("  %5d  %-24s %-24s %s", f.coins, hit.c_str(), bonus.c_str(), rtp.c_str());
    }
    out << "  (a spin is a hit when it pays credits; a bonus game with no line win is a hit 4 times in 5)\n";

    if (!run) {
        out << "\nAdd --spins N to simulate play through the machine's rules.\n";
        return;
    }
    const SimulationResult &r = run->result;
    row("\nSimulated play: %lld spins of %d coin%s, seed %u", static_cast<long long>(r.spins),
        run->settings.coins, run->settings.coins == 1 ? "" : "s", run->settings.seed);
    out << "  (nudges: after a result that paid nothing, nudge the first reel whose one nudge makes a\n"
           "   covered line pay or opens the bonus game, otherwise keep them; chests picked at random)\n";
    row("  Return to player, nudges included  %s +/- %s (95 %% confidence)",
        decimalText(r.returnToPlayer).c_str(), decimalText(r.returnCi95).c_str());
    row("  Hit frequency (the spin itself)    %s", decimalText(perSpin(r.winningSpins, r)).c_str());
    row("  Bonus games per spin               %s", decimalText(perSpin(r.bonusGames, r)).c_str());
    row("  Nudges earned per spin             %s", decimalText(perSpin(r.nudgesEarned, r)).c_str());
    row("  Nudges used per spin               %s", decimalText(perSpin(r.nudgesUsed, r)).c_str());
    row("  Wins made by a nudge per spin      %s", decimalText(perSpin(r.nudgedWins, r)).c_str());
    row("  Spins per second                   %.0f", spinsPerSecond(*run));
}

} // namespace varnholt::odds
