#pragma once
// Saturating arithmetic for the game's 32-bit counters: a win, grant or count-up that would pass
// kCounterLimit stops at it instead of wrapping to a negative balance.

#include "core/GameState.h"

#include <cstdint>

namespace varnholt {

// value + amount, held within [INT32_MIN, kCounterLimit].
constexpr std::int32_t addCapped(std::int32_t value, std::int64_t amount)
{
    const std::int64_t sum = std::int64_t(value) + amount;
    if (sum > kCounterLimit)
        return kCounterLimit;
    if (sum < INT32_MIN)
        return INT32_MIN;
    return std::int32_t(sum);
}

// Whether value + amount stays at or below kCounterLimit.
constexpr bool fitsUnderLimit(std::int32_t value, std::int64_t amount)
{
    return std::int64_t(value) + amount <= kCounterLimit;
}

} // namespace varnholt
