#include "core/Borrowing.h"
#include "core/Counters.h"

#include <gtest/gtest.h>

using namespace varnholt;

namespace {
GameState withMoney(std::int32_t credits, std::int32_t borrowed)
{
    GameState state;
    state.Credits = credits;
    state.Borrowed = borrowed;
    return state;
}
} // namespace

TEST(Borrowing, BorrowAndPayBackMoveBothBalancesTogether)
{
    GameState state = withMoney(1000, 1000);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(borrow(state, 1000).done);
    EXPECT_EQ(state.Credits, 5000);
    EXPECT_EQ(state.Borrowed, 5000);

    state = withMoney(100, 100);
    EXPECT_TRUE(payBack(state, 100).done);
    EXPECT_EQ(state.Credits, 0);
    EXPECT_EQ(state.Borrowed, 0);
}

TEST(Borrowing, PayBackRefusalsChangeNothing)
{
    GameState state = withMoney(999, 5000);
    MoneyMove move = payBack(state, 1000);
    EXPECT_FALSE(move.done);
    EXPECT_EQ(move.message, "You do not have 1000.00 credits!");

    state = withMoney(0, 5);
    EXPECT_EQ(payBack(state, 1).message, "You do not have    1.00 credits!");
    state = withMoney(50, 500);
    EXPECT_EQ(payBack(state, 100).message, "You do not have  100.00 credits!");

    state = withMoney(500, 5);
    move = payBack(state, 10);
    EXPECT_FALSE(move.done);
    EXPECT_EQ(move.message, "You cannot pay back more credits than you have borrowed!");
    EXPECT_EQ(state.Credits, 500);
    EXPECT_EQ(state.Borrowed, 5);

    // Both refusals apply: the credits one wins.
    state = withMoney(5, 5);
    EXPECT_EQ(payBack(state, 10).message, "You do not have   10.00 credits!");
    EXPECT_EQ(state.Credits, 5);
}

TEST(Borrowing, NoBalancePassesTheCounterLimit)
{
    GameState state = withMoney(kCounterLimit - 999, 0);
    MoneyMove move = borrow(state, 1000);
    EXPECT_FALSE(move.done);
    EXPECT_FALSE(move.message.empty());
    EXPECT_EQ(state.Credits, kCounterLimit - 999);
    EXPECT_EQ(state.Borrowed, 0);

    // The debt is limited as well, even when the credits have room.
    state = withMoney(0, kCounterLimit - 10);
    EXPECT_FALSE(borrow(state, 100).done);
    EXPECT_EQ(state.Credits, 0);

    // Reaching the limit exactly is allowed.
    state = withMoney(kCounterLimit - 1000, kCounterLimit - 1000);
    EXPECT_TRUE(borrow(state, 1000).done);
    EXPECT_EQ(state.Credits, kCounterLimit);
}

TEST(Borrowing, AmountsBelowOneAreRefused)
{
    GameState state = withMoney(100, 100);
    EXPECT_FALSE(borrow(state, 0).done);
    EXPECT_FALSE(borrow(state, -5).done);
    EXPECT_FALSE(payBack(state, -5).done);
    EXPECT_EQ(state.Credits, 100);
    EXPECT_EQ(state.Borrowed, 100);
}

TEST(Counters, AdditionsSaturateInsteadOfWrapping)
{
    EXPECT_EQ(addCapped(kCounterLimit, 1), kCounterLimit);
    EXPECT_EQ(addCapped(kCounterLimit - 5, 25), kCounterLimit);
    EXPECT_EQ(addCapped(10, 25), 35);
    EXPECT_EQ(addCapped(INT32_MIN, -1), INT32_MIN);
    EXPECT_TRUE(fitsUnderLimit(kCounterLimit - 5, 5));
    EXPECT_FALSE(fitsUnderLimit(kCounterLimit - 5, 6));
}
