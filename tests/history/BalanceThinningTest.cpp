#include "history/BalanceThinning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace varnholt;

namespace {

std::vector<BalancePoint> wave(int count)
{
    std::vector<BalancePoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back(
            {i, i * 1000, static_cast<long long>(std::lround(100 * std::sin(i * 0.01))) + i % 7});
    return points;
}

long long balanceOf(const BalancePoint &p) { return p.balance; }

} // namespace

TEST(BalanceThinningTest, ShortHistoriesAreKeptWhole)
{
    const auto points = wave(50);
    EXPECT_EQ(thinBalance(points, 50).size(), 50u);
}

TEST(BalanceThinningTest, LongHistoriesKeepTheEndsAndTheExtremesInOrder)
{
    auto points = wave(10007);
    points[4321].balance = -5000; // a lone dip must survive
    points[777].balance = 9000;
    for (std::size_t max : {4u, 5u, 100u, 999u}) {
        const auto thin = thinBalance(points, max);
        EXPECT_LE(thin.size(), max);
        EXPECT_EQ(thin.front().spin, 0);
        EXPECT_EQ(thin.back().spin, 10006);
        EXPECT_TRUE(std::is_sorted(thin.begin(), thin.end(),
                                   [](const auto &a, const auto &b) { return a.spin < b.spin; }));
        const auto byBalance = [](const auto &a, const auto &b) { return balanceOf(a) < balanceOf(b); };
        EXPECT_EQ(std::min_element(thin.begin(), thin.end(), byBalance)->balance, -5000);
        EXPECT_EQ(std::max_element(thin.begin(), thin.end(), byBalance)->balance, 9000);
    }
}

TEST(BalanceThinningTest, MarksOfDroppedPointsMoveToAKeptNeighbour)
{
    auto points = wave(5000);
    points[2500].borrowed = true;
    points[2501].paidBack = true;
    points[2502].vaultOpened = true;
    const auto thin = thinBalance(points, 60);
    const auto marked = [&](auto flag) { return std::count_if(thin.begin(), thin.end(), flag); };
    EXPECT_EQ(marked([](const auto &p) { return p.borrowed; }), 1);
    EXPECT_EQ(marked([](const auto &p) { return p.paidBack; }), 1);
    EXPECT_EQ(marked([](const auto &p) { return p.vaultOpened; }), 1);
}
