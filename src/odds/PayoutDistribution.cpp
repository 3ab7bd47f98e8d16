#include "odds/PayoutDistribution.h"

#include "bonus/BonusPrizes.h"
#include "bonus/BonusTrigger.h"
#include "core/PayTable.h"
#include "core/Reels.h"

#include <map>

namespace varnholt {

Fraction PayoutDistribution::mean() const
{
    std::int64_t total = 0;
    for (const PayoutOutcome &o : outcomes)
        total += o.credits * o.weight;
    return reduced(total, denominator);
}

PayoutDistribution payoutDistribution(int coins)
{
    PayoutDistribution d;
    d.coins = coins;
    d.denominator = std::int64_t(kStripLength) * kStripLength * kStripLength * kChestCount;
    std::map<int, std::int64_t> weights;
    for (int a = 1; a <= kStripLength; ++a)
        for (int b = 1; b <= kStripLength; ++b)
            for (int c = 1; c <= kStripLength; ++c) {
                const VisibleSymbols rows = visibleSymbols({a, b, c});
                int paid = 0;
                bool opens = false;
                for (int line = 0; line < kLineCount; ++line) {
                    const auto &s = rows[kLineRows[line]];
                    const bool played = linePlayed(line, coins);
                    if (played)
                        paid += linePays(s[0], s[1], s[2]);
                    opens = opens || triggersBonus(s[0], s[1], s[2], played);
                }
                if (!opens) {
                    weights[paid] += kChestCount;
                    continue;
                }
                for (const std::int32_t prize : kUndealtPrizes)
                    ++weights[paid + prizeCredits(prize)];
            }
    for (const auto &[credits, weight] : weights)
        d.outcomes.push_back({credits, weight, double(weight) / double(d.denominator)});
    return d;
}

} // namespace varnholt
