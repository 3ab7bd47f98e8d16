#include "ui/HistoryView.h"

#include "history/PlayHistory.h"
#include "odds/FairnessVerdict.h"
#include "ui/NudgeReturns.h"

#include <algorithm>
#include <cmath>

namespace varnholt {

namespace {
// Enough for a faithful line at any window width (each stretch keeps its lowest and highest),
// few enough that the chart redraws its line in well under a millisecond as play goes on.
constexpr std::size_t kChartPoints = 500;
constexpr long long kSpinsToTellLimit = 1'000'000;
} // namespace

long long spinsUntilTelling(long long spins, double width)
{
    if (spins <= 0 || !(width > kTellingBandWidth))
        return 0;
    const double ratio = width / kTellingBandWidth;
    const double more = std::ceil(double(spins) * ratio * ratio) - double(spins);
    // An estimate, rounded up to read as one.
    const double step = more > 1000 ? 100 : more > 100 ? 10 : 1;
    return std::clamp(static_cast<long long>(std::ceil(more / step) * step), 1LL, kSpinsToTellLimit);
}

std::optional<FairnessLines> fairnessOf(const HistoryReport &report)
{
    PlayRecord record;
    long long bet = 0, spins = 0;
    double nudgeReturned = 0;
    for (int coins = 1; coins <= 3; ++coins) {
        const CoinReturns &stake = report.byCoins[std::size_t(coins - 1)];
        record.spins[std::size_t(coins - 1)] = stake.spins;
        record.creditsReturned += stake.withoutNudges;
        bet += stake.bet;
        spins += stake.spins;
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
                         verdict->oneIn,
                         spinsUntilTelling(spins, verdict->highPercent - verdict->lowPercent)};
}

HistoryView historyViewOf(const PlayHistory &history, const std::string &game, std::int64_t nowMs,
                          HistoryScope scope)
{
    HistoryView view;
    view.gameName = game;
    view.scope = scope;
    view.report = history.report(game, nowMs, kChartPoints, scope);
    view.fairness = fairnessOf(view.report);
    return view;
}

} // namespace varnholt
