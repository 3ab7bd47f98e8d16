#pragma once
// Borrowing credits and paying them back. Credits and Borrowed always move together.

#include "core/GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace varnholt {

// The amounts of the borrowing dialog's four chip buttons, by button tag.
inline constexpr std::array<std::int32_t, 4> kBorrowAmounts{1000, 100, 10, 1};

inline constexpr const char *kPayBackMoreThanBorrowedMessage =
    "You cannot pay back more credits than you have borrowed!";
inline constexpr const char *kBorrowLimitMessage =
    "You cannot borrow that much: the meters cannot go past 2147483647 credits.";

inline constexpr const char *kAmountNotPositiveMessage = "Choose an amount of at least 1 credit.";

// Why a move was refused, so a window can word it in the player's language.
enum class MoneyRefusal { None, AmountNotPositive, BorrowLimit, NotEnoughCredits, PayBackMoreThanBorrowed };

struct MoneyMove {
    bool done = false;
    std::string message; // shown when refused
    MoneyRefusal refusal = MoneyRefusal::None;
};

// Adds the amount to Credits and Borrowed, unless either would pass kCounterLimit.
// Amounts below 1 are refused by both operations.
MoneyMove borrow(GameState &state, std::int32_t amount);

// Takes the amount from Credits and Borrowed. Refused with "You do not have <amount as %7.2f>
// credits!" when it is more than the credits (tested first), and when it is more than the debt.
MoneyMove payBack(GameState &state, std::int32_t amount);

} // namespace varnholt
