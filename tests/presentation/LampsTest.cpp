// The attract lamps over many seeds; the other lamp rhythms are checked on the painted face.

#include "presentation/Lamps.h"

#include <gtest/gtest.h>

using namespace varnholt;

namespace {
int litButton(const ButtonLamps &lamps)
{
    EXPECT_EQ(int(lamps.bet1) + int(lamps.spin) + int(lamps.bet3), 1);
    return lamps.bet1 ? AttractBet1 : lamps.spin ? AttractSpin : AttractBet3;
}
} // namespace

TEST(ButtonAttract, NeverLightsTheSameButtonTwiceRunning)
{
    for (std::uint32_t seed : {0u, 1u, 12345u, 0xdeadbeefu}) {
        RandomSource random(seed);
        ButtonAttract lamps;
        int previous = litButton(lamps.attract(random));
        EXPECT_NE(previous, AttractBet1) << "the first tick never lights Bet 1";
        int seen[3] = {0, 0, 0};
        for (int tick = 0; tick < 300; ++tick) {
            const int now = litButton(lamps.attract(random));
            EXPECT_NE(now, previous);
            EXPECT_EQ(lamps.LastAttractButton, now);
            ++seen[now];
            previous = now;
        }
        // Every button takes its turn.
        EXPECT_GT(seen[0], 50);
        EXPECT_GT(seen[1], 50);
        EXPECT_GT(seen[2], 50);
    }
}
