#include "core/PlayLifecycle.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace varnholt {
namespace {

using P = PlayPhase;
using E = PlayEvent;

constexpr std::array kPhases{P::StartingUp, P::Idle,        P::Playing,   P::Hurrying,
                             P::Closing,    P::CloseQueued, P::SlotsOpen, P::Closed};
constexpr std::array kEvents{E::StartUpDone, E::PlayStarted, E::PlayEnded, E::LoopEnding,
                             E::SlotsOpened, E::SlotsClosed, E::CloseAsked};

TEST(PlayLifecycle, EveryEventInEveryPhase)
{
    // Rows follow kPhases, columns kEvents.
    const std::array<std::array<P, kEvents.size()>, kPhases.size()> next{{
        {P::Idle, P::StartingUp, P::StartingUp, P::StartingUp, P::StartingUp, P::StartingUp, P::Closed},
        {P::Idle, P::Playing, P::Idle, P::Idle, P::SlotsOpen, P::Idle, P::Closed},
        {P::Playing, P::Playing, P::Idle, P::Hurrying, P::Playing, P::Playing, P::Closing},
        {P::Hurrying, P::Hurrying, P::Idle, P::Hurrying, P::Hurrying, P::Hurrying, P::Closing},
        {P::Closing, P::Closing, P::CloseQueued, P::Closing, P::Closing, P::Closing, P::Closing},
        {P::CloseQueued, P::CloseQueued, P::CloseQueued, P::CloseQueued, P::CloseQueued, P::CloseQueued,
         P::Closed},
        {P::SlotsOpen, P::SlotsOpen, P::SlotsOpen, P::SlotsOpen, P::SlotsOpen, P::Idle, P::Closed},
        {P::Closed, P::Closed, P::Closed, P::Closed, P::Closed, P::Closed, P::Closed},
    }};
    for (std::size_t p = 0; p < kPhases.size(); ++p)
        for (std::size_t e = 0; e < kEvents.size(); ++e)
            EXPECT_EQ(nextPhase(kPhases[p], kEvents[e]), next[p][e]) << "phase " << p << ", event " << e;
}

TEST(PlayLifecycle, WhatEachPhaseMeans)
{
    struct Row {
        bool playing, hurried, closePending, busy;
        CloseStep close;
    };
    const std::array<Row, kPhases.size()> rows{{
        {false, false, false, true, CloseStep::CloseNow},
        {false, false, false, false, CloseStep::CloseNow},
        {true, false, false, true, CloseStep::FinishPlayFirst},
        {true, true, false, true, CloseStep::FinishPlayFirst},
        {true, true, true, true, CloseStep::FinishPlayFirst},
        {false, false, true, true, CloseStep::CloseNow},
        {false, false, false, true, CloseStep::CloseNow},
        {false, false, false, true, CloseStep::AlreadyClosed},
    }};
    for (std::size_t p = 0; p < kPhases.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(isPlaying(kPhases[p]), rows[p].playing);
        EXPECT_EQ(isHurried(kPhases[p]), rows[p].hurried);
        EXPECT_EQ(isClosePending(kPhases[p]), rows[p].closePending);
        EXPECT_EQ(busyIn(kPhases[p]), rows[p].busy);
        EXPECT_EQ(closeStep(kPhases[p]), rows[p].close);
    }
}

TEST(PlayLifecycle, WhichCommandMayRunInWhichPhase)
{
    // One letter per phase in kPhases order: S(tarting up), I(dle), P(laying), H(urrying),
    // C(losing), Q(close queued), O (slots open), X (closed); '.' where the command may not run.
    struct Row {
        Command command;
        std::string_view allowed;
    };
    const Row rows[] = {
        {Command::BetOne, ".I......"},      {Command::BetMax, ".I......"},
        {Command::Spin, ".I......"},        {Command::Nudge, ".I......"},
        {Command::NewGame, ".I......"},     {Command::OpenGame, ".I......"},
        {Command::SaveGame, ".I......"},    {Command::Borrow, ".I......"},
        {Command::Stats, "SIP....."},       {Command::History, "SIP....."},
        {Command::Payoffs, "SIP....."},     {Command::Advert, "SIP....."},
        {Command::Help, "SIP...O."},        {Command::WebPage, "SIP...O."},
        {Command::SoundOption, "SIPHCQO."}, {Command::MusicOption, "SIPHCQO."},
        {Command::Exit, "SIPHCQO."},
    };
    for (const Row &row : rows)
        for (std::size_t p = 0; p < kPhases.size(); ++p)
            EXPECT_EQ(mayRun(row.command, kPhases[p]), row.allowed[p] != '.')
                << "command " << static_cast<int>(row.command) << ", phase " << p;
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
