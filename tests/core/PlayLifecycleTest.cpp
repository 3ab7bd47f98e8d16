#include "core/PlayLifecycle.h"

#include <gtest/gtest.h>

#include <array>

namespace varnholt {
namespace {

using P = PlayPhase;
using E = PlayEvent;

constexpr std::array kPhases{P::Idle, P::Playing, P::Hurrying, P::Closing, P::CloseQueued};
constexpr std::array kEvents{E::PlayStarted, E::PlayEnded, E::LoopEnding, E::CloseAsked};

TEST(PlayLifecycle, EveryEventInEveryPhase)
{
    // Rows follow kPhases, columns kEvents.
    const std::array<std::array<P, kEvents.size()>, kPhases.size()> next{{
        {P::Playing, P::Idle, P::Idle, P::Idle},
        {P::Playing, P::Idle, P::Hurrying, P::Closing},
        {P::Hurrying, P::Idle, P::Hurrying, P::Closing},
        {P::Closing, P::CloseQueued, P::Closing, P::Closing},
        {P::Playing, P::Idle, P::CloseQueued, P::Idle},
    }};
    for (std::size_t p = 0; p < kPhases.size(); ++p)
        for (std::size_t e = 0; e < kEvents.size(); ++e)
            EXPECT_EQ(nextPhase(kPhases[p], kEvents[e]), next[p][e]) << "phase " << p << ", event " << e;
}

TEST(PlayLifecycle, WhatEachPhaseAllows)
{
    struct Row {
        bool playing, hurried, closePending;
        CloseStep close;
    };
    const std::array<Row, kPhases.size()> rows{{
        {false, false, false, CloseStep::CloseNow},
        {true, false, false, CloseStep::FinishPlayFirst},
        {true, true, false, CloseStep::FinishPlayFirst},
        {true, true, true, CloseStep::FinishPlayFirst},
        {false, false, true, CloseStep::CloseNow},
    }};
    for (std::size_t p = 0; p < kPhases.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(isPlaying(kPhases[p]), rows[p].playing);
        EXPECT_EQ(isHurried(kPhases[p]), rows[p].hurried);
        EXPECT_EQ(isClosePending(kPhases[p]), rows[p].closePending);
        EXPECT_EQ(closeStep(kPhases[p]), rows[p].close);
    }
}

TEST(PlayLifecycle, SaveKeepsThePrePlayGameWithUnspunCoinsBackInTheCredits)
{
    GameState before;
    before.Credits = 90;
    before.CoinsBet = 2;
    GameState now = before;
    now.Credits = 50;
    now.CoinsBet = 3;

    const GameState midPlay = gameToSave(now, before, true);
    EXPECT_EQ(midPlay.Credits, 92);
    EXPECT_EQ(midPlay.CoinsBet, 0);
    const GameState idle = gameToSave(now, before, false);
    EXPECT_EQ(idle.Credits, 53);
    EXPECT_EQ(idle.CoinsBet, 0);

    now.Credits = INT32_MAX; // the credits never wrap
    EXPECT_EQ(gameToSave(now, before, false).Credits, INT32_MAX);
}

} // namespace
} // namespace varnholt
