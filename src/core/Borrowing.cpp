#include "core/Borrowing.h"

#include "core/Counters.h"

#include <cstdio>

namespace varnholt {

MoneyMove borrow(GameState &state, std::int32_t amount)
{
    if (amount < 1)
        return {false, kAmountNotPositiveMessage, MoneyRefusal::AmountNotPositive};
    if (!fitsUnderLimit(state.Credits, amount) || !fitsUnderLimit(state.Borrowed, amount))
        return {false, kBorrowLimitMessage, MoneyRefusal::BorrowLimit};
    state.Credits += amount;
    state.Borrowed += amount;
    return {true, {}, MoneyRefusal::None};
}

MoneyMove payBack(GameState &state, std::int32_t amount)
{
    if (amount < 1)
        return {false, kAmountNotPositiveMessage, MoneyRefusal::AmountNotPositive};
    if (amount > state.Credits) {
        char text[64];
        std::snprintf(text, sizeof text, "You do not have %7.2f credits!", double(amount));
        return {false, text, MoneyRefusal::NotEnoughCredits};
    }
    if (amount > state.Borrowed)
        return {false, kPayBackMoreThanBorrowedMessage, MoneyRefusal::PayBackMoreThanBorrowed};
    state.Credits -= amount;
    state.Borrowed -= amount;
    return {true, {}, MoneyRefusal::None};
}

} // namespace varnholt
