#include "odds/FairnessVerdict.h"

#include <algorithm>
#include <cmath>

namespace varnholt {

namespace {

// A result is unusual when fewer than this share of players see one as far out.
constexpr double kUnusual = 0.025;

} // namespace

std::optional<FairnessVerdict> judgeFairness(const PlayRecord &record)
{
    if (std::ranges::any_of(record.spins, [](std::int64_t n) { return n < 0; }))
        return std::nullopt;
    return judgeFairness(record, SpinSum(machinePayouts(), record.spins));
}

std::optional<FairnessVerdict> judgeFairness(const PlayRecord &record, const SpinSum &sum)
{
    const auto &[one, two, three] = record.spins;
    if (one < 0 || two < 0 || three < 0 || one + two + three == 0)
        return std::nullopt;
    const std::int64_t seen = record.creditsReturned;
    if (seen < 0 || seen > sum.maxCredits())
        return std::nullopt;

    const double bet = double(one + 2 * two + 3 * three);
    const auto percent = [bet](double credits) { return 100 * credits / bet; };
    FairnessVerdict v;
    v.exact = sum.exact();
    v.expectedPercent = percent(sum.mean());
    v.seenPercent = percent(double(seen));
    v.lowPercent = percent(double(sum.quantile(0.025)));
    v.highPercent = percent(double(sum.quantile(0.975)));

    const std::int64_t median = sum.quantile(0.5);
    if (seen > median)
        v.tail = sum.atLeast(seen);
    else if (seen < median)
        v.tail = sum.atMost(seen);
    else
        v.tail = std::min(sum.atLeast(seen), sum.atMost(seen));
    if (v.tail >= kUnusual)
        return v;
    v.verdict = seen > median ? Verdict::UnusuallyLucky : Verdict::UnusuallyUnlucky;
    v.oneIn = playersPerSighting(v.tail);
    return v;
}

std::int64_t playersPerSighting(double tail)
{
    const double players = 1 / tail;
    if (!(players < double(kMostPlayersCounted)))
        return kMostPlayersCounted;
    if (players < 10)
        return std::max<std::int64_t>(1, std::llround(players));
    // Rounded at the second digit: 1 298.7 -> 1 300.
    std::int64_t unit = 1;
    while (players / double(unit) >= 100)
        unit *= 10;
    return std::min<std::int64_t>(kMostPlayersCounted, std::llround(players / double(unit)) * unit);
}

std::string withThousandsSeparators(std::int64_t value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (auto i = std::ptrdiff_t(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(std::size_t(i), 1, ',');
    return value < 0 ? '-' + digits : digits;
}

std::string verdictSentence(const FairnessVerdict &verdict)
{
    const std::string players = "about 1 player in " + withThousandsSeparators(verdict.oneIn) + " sees this.";
    switch (verdict.verdict) {
    case Verdict::UnusuallyLucky:
        return "What you have seen is unusually lucky: " + players;
    case Verdict::UnusuallyUnlucky:
        return "What you have seen is unusually unlucky: " + players;
    case Verdict::Within:
        break;
    }
    return "What you have seen is well within what this machine does.";
}

} // namespace varnholt
