#include "presentation/Lamps.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(ButtonAttract, SpinFlashesWhileBetButtonsStayLit)
{
    ButtonAttract lamps;
    EXPECT_EQ(lamps.spinFlash(), (ButtonLamps{true, true, true}));
    EXPECT_EQ(lamps.spinFlash(), (ButtonLamps{true, false, true}));
    EXPECT_EQ(lamps.spinFlash(), (ButtonLamps{true, true, true}));
}

TEST(WinFlash, PanelsAlwaysShowOppositeStates)
{
    WinFlash flash;
    const auto first = flash.advance();
    EXPECT_FALSE(first.namePlateLit);
    EXPECT_TRUE(first.titlePanelLit);
    for (int tick = 0; tick < 6; ++tick) {
        const bool before = flash.WinFlashPhase;
        const auto step = flash.advance();
        EXPECT_EQ(step.namePlateLit, before);
        EXPECT_NE(step.namePlateLit, step.titlePanelLit);
    }
}

TEST(CrystalBlink, FollowsItsRhythmWithLongLitAndLongUnlitPhases)
{
    CrystalBlink blink;
    std::vector<int> intervals;
    std::vector<bool> lit;
    for (int tick = 0; tick < 16; ++tick) {
        const auto step = blink.advance();
        intervals.push_back(step.nextInterval);
        lit.push_back(step.showLit);
    }
    const std::vector<int> cycle{50, 50, 50, 50, 1000, 50, 50, 7000};
    EXPECT_EQ(std::vector<int>(intervals.begin(), intervals.begin() + 8), cycle);
    EXPECT_EQ(std::vector<int>(intervals.begin() + 8, intervals.end()), cycle);
    // Entries 0, 2, 4, 6 show the lit ball: the 1000 ms phase is lit, the 7000 ms one unlit.
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(lit[i], i % 2 == 0) << i;
    // The whole cycle takes 8.3 s.
    int total = 0;
    for (int v : cycle)
        total += v;
    EXPECT_EQ(total, 8300);
}

TEST(WildSwing, SwingsThroughTheThreeColourings)
{
    WildSwing swing;
    std::vector<int> codes;
    for (int tick = 0; tick < 9; ++tick)
        codes.push_back(swing.advance());
    EXPECT_EQ(codes, (std::vector<int>{10, 11, 10, 9, 10, 11, 10, 9, 10}));
}

TEST(WildSwing, ResumesWhereItStopped)
{
    // Stopped after showing cell 11 (step now -1), restarted later: cell 10 comes first.
    WildSwing swing;
    swing.advance();
    EXPECT_EQ(swing.advance(), 11);
    EXPECT_EQ(swing.WildStep, -1);
    EXPECT_EQ(swing.advance(), 10);
}
