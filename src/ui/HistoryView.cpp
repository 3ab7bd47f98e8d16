#include "ui/HistoryView.h"

#include "history/PlayHistory.h"
#include "play/FairnessVerdict.h"
#include "ui/NudgeReturns.h"

namespace varnholt {

namespace {
// Enough for a smooth line at any window width without drawing every spin of a long game.
constexpr std::size_t kChartPoints = 1500;
} // namespace

std::optional<FairnessLines> fairnessOf(const HistoryReport &report)
{
    PlayRecord record;
    long long bet = 0;
    double nudgeReturned = 0;
    for (int coins = 1; coins <= 3; ++coins) {
        const CoinReturns &stake = report.byCoins[std::size_t(coins - 1)];
        record.spins[std::size_t(coins - 1)] = stake.spins;
        record.creditsReturned += stake.withoutNudges;
        bet += stake.bet;
        nudgeReturned += double(stake.bet) * nudgeReturnPercent(coins);
    }
    const std::optional<FairnessVerdict> verdict = judgeFairness(record);
    if (!verdict || bet <= 0)
        return std::nullopt;
    return FairnessLines{verdict->seenPercent,
                         verdict->expectedPercent,
                         nudgeReturned / double(bet),
                         verdict->lowPercent,
                         verdict->highPercent,
                         verdictSentence(*verdict),
                         verdict->verdict,
                         verdict->oneIn};
}

HistoryView historyViewOf(const PlayHistory &history, const std::string &game, std::int64_t nowMs)
{
    HistoryView view;
    view.gameName = game;
    view.report = history.report(game, nowMs, kChartPoints);
    view.fairness = fairnessOf(view.report);
    return view;
}

} // namespace varnholt
