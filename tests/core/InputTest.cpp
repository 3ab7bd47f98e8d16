#include "core/Input.h"
#include "geometry/Layout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varnholt;

namespace {

std::vector<InputAction> actions(const PressPlan &plan)
{
    std::vector<InputAction> list;
    for (const PressStep &step : plan)
        list.push_back(step.action);
    return list;
}

GameState idle() { return GameState{}; }

constexpr PlayPhase kIdle = PlayPhase::Idle;
constexpr PlayPhase kBusy = PlayPhase::Playing;

using A = InputAction;
using Actions = std::vector<InputAction>;

} // namespace

TEST(Press, ButtonEdgesAt800)
{
    const GameState state = idle();
    const Layout w800 = makeLayout(800, false);
    const struct {
        int x, y;
        std::optional<InputAction> action;
    } presses[] = {
        {577, 293, A::Spin},   {576, 293, {}},        {655, 352, A::Spin},
        {656, 352, {}},        {600, 353, {}}, // gap
        {600, 362, A::BetOne}, {600, 421, A::BetOne}, {600, 431, {}},
        {600, 491, A::BetMax}, {600, 492, {}},        {560, 99, A::BetOne},
        {643, 181, A::BetOne}, {644, 181, {}}, // the coin slot takes one coin
    };
    for (const auto &press : presses) {
        Actions expected{A::CloseNudgeOfferIfOut};
        if (press.action)
            expected.insert(expected.begin(), *press.action);
        EXPECT_EQ(actions(planPress(state, kIdle, w800, press.x, press.y)), expected)
            << press.x << ',' << press.y;
    }
}

TEST(Press, SpinButtonScalesWithTheFace)
{
    const GameState state = idle();
    const Layout w1024 = makeLayout(1024, false);
    const int y = w1024.Scale(300);
    EXPECT_EQ(actions(planPress(state, kIdle, w1024, 737, y)).front(), A::CloseNudgeOfferIfOut);
    EXPECT_EQ(actions(planPress(state, kIdle, w1024, 738, y)).front(), A::Spin);
    EXPECT_EQ(actions(planPress(state, kIdle, w1024, 838, y)).front(), A::Spin);
    EXPECT_EQ(actions(planPress(state, kIdle, w1024, 839, y)).front(), A::CloseNudgeOfferIfOut);
}

TEST(Press, BusyLocksBetsSpinsAndNudgesButNotTheLogo)
{
    GameState state = idle();
    state.NudgeAllowed = true;
    state.Nudges = 4;
    const Layout w800 = makeLayout(800, false);
    EXPECT_EQ(actions(planPress(state, kBusy, w800, 600, 300)), (Actions{A::CloseNudgeOfferIfOut}));
    EXPECT_EQ(actions(planPress(state, kBusy, w800, 600, 120)), (Actions{A::CloseNudgeOfferIfOut}));
    EXPECT_EQ(actions(planPress(state, kBusy, w800, 300, 250)), (Actions{A::CloseNudgeOfferIfOut}));
    EXPECT_EQ(actions(planPress(state, kBusy, w800, 10, 10)),
              (Actions{A::CloseNudgeOfferIfOut, A::OpenGamesPage}));
}

TEST(Press, NudgeButtonsActOnlyWhileOffered)
{
    GameState state = idle();
    state.NudgeAllowed = true;
    state.Nudges = 1;
    const Layout w800 = makeLayout(800, false);
    const struct {
        int x, y, reel;
    } hits[] = {{260, 246, 0}, {332, 263, 0}, {364, 250, 1}, {436, 250, 1}, {468, 263, 2}, {540, 246, 2}};
    for (const auto &hit : hits) {
        const PressPlan plan = planPress(state, kIdle, w800, hit.x, hit.y);
        ASSERT_EQ(actions(plan), (Actions{A::NudgeReel, A::CloseNudgeOfferIfOut})) << hit.x;
        EXPECT_EQ(plan.steps[0].reel, hit.reel);
    }
    // Between the buttons, above and below the band.
    for (const auto &miss : {std::pair{340, 250}, {300, 245}, {300, 264}, {541, 250}})
        EXPECT_EQ(actions(planPress(state, kIdle, w800, miss.first, miss.second)),
                  (Actions{A::CloseNudgeOfferIfOut}));

    state.NudgeAllowed = false;
    EXPECT_EQ(actions(planPress(state, kIdle, w800, 300, 250)), (Actions{A::CloseNudgeOfferIfOut}));
    state.NudgeAllowed = true;
    state.Nudges = 0;
    EXPECT_EQ(actions(planPress(state, kIdle, w800, 300, 250)), (Actions{A::CloseNudgeOfferIfOut}));
}

TEST(Press, OutOfNudgesClosesTheOfferOnAnyPress)
{
    GameState state = idle();
    state.NudgeAllowed = true;
    state.Nudges = 0;
    EXPECT_TRUE(closeNudgeOfferIfOut(state));
    EXPECT_FALSE(state.NudgeAllowed);

    state.NudgeAllowed = true;
    state.Nudges = 2;
    EXPECT_FALSE(closeNudgeOfferIfOut(state));
    EXPECT_TRUE(state.NudgeAllowed);
}

TEST(Press, LogoCornerScalesButItsSizeDoesNot)
{
    const GameState state = idle();
    const Layout w800 = makeLayout(800, false);
    EXPECT_EQ(actions(planPress(state, kIdle, w800, 135, 80)).back(), A::OpenGamesPage);
    EXPECT_EQ(actions(planPress(state, kIdle, w800, 136, 80)).back(), A::CloseNudgeOfferIfOut);
    EXPECT_EQ(actions(planPress(state, kIdle, w800, 9, 10)).back(), A::CloseNudgeOfferIfOut);
    const Layout w1600 = makeLayout(1600, true);
    EXPECT_EQ(actions(planPress(state, kIdle, w1600, 20, 20)).back(), A::OpenGamesPage);
    EXPECT_EQ(actions(planPress(state, kIdle, w1600, 145, 90)).back(), A::OpenGamesPage);
    EXPECT_EQ(actions(planPress(state, kIdle, w1600, 146, 90)).back(), A::CloseNudgeOfferIfOut);
    EXPECT_EQ(actions(planPress(state, kIdle, w1600, 19, 50)).back(), A::CloseNudgeOfferIfOut);
}

TEST(Keys, SpinAndBetKeysActOnlyWhenIdle)
{
    GameState state = idle();
    EXPECT_EQ(actionForKey(kIdle, kKeyEnter), A::Spin);
    EXPECT_EQ(actionForKey(kIdle, kKeySpace), A::Spin);
    EXPECT_EQ(actionForKey(kIdle, 'B'), A::BetOne);
    EXPECT_EQ(actionForKey(kIdle, 'M'), A::BetMax);
    EXPECT_EQ(actionForKey(kIdle, 'N'), std::nullopt);
    EXPECT_EQ(actionForKey(kIdle, 0), std::nullopt);
    for (const int key : {kKeyEnter, kKeySpace, kKeyB, kKeyM})
        EXPECT_EQ(actionForKey(kBusy, key), std::nullopt) << key;
}

TEST(Keys, NudgeKeysActUnderTheNudgeButtonsConditions)
{
    GameState state = idle();
    state.NudgeAllowed = true;
    state.Nudges = 1;
    for (int reel = 0; reel < 3; ++reel) {
        const PressPlan plan = planKey(state, kIdle, '1' + reel);
        ASSERT_EQ(actions(plan), (Actions{A::NudgeReel, A::CloseNudgeOfferIfOut})) << reel;
        EXPECT_EQ(plan.steps[0].reel, reel);
    }
    EXPECT_EQ(actionForKey(kIdle, '1'), std::nullopt) << "a nudge key is no machine-button key";
    EXPECT_EQ(actions(planKey(state, kIdle, '4')), Actions{});

    // Each condition of the press on its own: not offered, none in hand, busy.
    const auto without = [&](auto change) {
        GameState s = state;
        change(s);
        return actions(planKey(s, kIdle, '2'));
    };
    EXPECT_EQ(without([](GameState &s) { s.NudgeAllowed = false; }), Actions{A::CloseNudgeOfferIfOut});
    EXPECT_EQ(without([](GameState &s) { s.Nudges = 0; }), Actions{A::CloseNudgeOfferIfOut});
    EXPECT_EQ(actions(planKey(state, kBusy, '2')), Actions{A::CloseNudgeOfferIfOut});
    EXPECT_EQ(actions(planKey(state, kIdle, kKeySpace)), Actions{A::Spin});
}
