#include "core/Borrowing.h"

#include "core/Counters.h"

#include <cstdio>

namespace varnholt {

MoneyMove borrow(GameState &state, std::int32_t amount)
{
    if (amount < 1)
        return {false, kAmountNotPositiveMessage};
    if (!fitsUnderLimit(state.Credits, amount) || !fitsUnderLimit(state.Borrowed, amount))
        return {false, kBorrowLimitMessage};
    state.Credits += amount;
    state.Borrowed += amount;
    return {true, {}};
}

MoneyMove payBack(GameState &state, std::int32_t amount)
{
    if (amount < 1)
        return {false, kAmountNotPositiveMessage};
    if (amount > state.Credits) {
        char text[64];
        std::snprintf(text, sizeof text, "You do not have %7.2f credits!", double(amount));
        return {false, text};
    }
    if (amount > state.Borrowed)
        return {false, kPayBackMoreThanBorrowedMessage};
    state.Credits -= amount;
    state.Borrowed -= amount;
    return {true, {}};
}

} // namespace varnholt
