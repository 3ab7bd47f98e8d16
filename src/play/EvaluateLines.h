#pragma once
// Scoring the stopped reels: pay the covered lines, open the bonus game on its combination,
// grant nudges for Wild wins, then count the winnings in or offer the nudges.
//
// The functions are templates over the events type so a headless player with a final events
// class runs without virtual calls; the window passes its EvaluationEvents implementation.

#include "bonus/BonusPrizes.h"
#include "bonus/BonusTrigger.h"
#include "core/Counters.h"
#include "core/GameState.h"
#include "core/PayTable.h"
#include "core/Random.h"
#include "core/Reels.h"
#include "play/EvaluationEvents.h"
#include "play/PlayOutcome.h"

namespace varnholt {

// Nudges a line earns when it adds credits with the Wild on reel 3.
inline constexpr int kWildLineNudges = 2;

// Credits moved per count-up step: big wins count in bigger steps.
constexpr int countUpStepSize(std::int32_t spinWin)
{
    if (spinWin >= 1000)
        return 25;
    if (spinWin >= 100)
        return 10;
    if (spinWin >= 25)
        return 5;
    return 1;
}

// Moves SpinWin into Credits step by step, one countUpStep event per step. Credits stop at
// kCounterLimit rather than wrap.
template <class Events> void CountUpWinnings(GameState &state, Events &events)
{
    events.countUpStarted();
    std::int32_t counted = 0;
    while (state.SpinWin > 0) {
        const int step = countUpStepSize(state.SpinWin);
        state.Credits = addCapped(state.Credits, step);
        counted = addCapped(counted, step);
        state.SpinWin -= step;
        events.countUpStep(step, counted);
    }
}

// The bonus game on a triggering line: deal the prizes and let the player pick (the events pay it).
template <class Events>
void playBonusGame(GameState &state, RandomSource &random, Events &events, PlayOutcome &outcome)
{
    outcome.vaultOpened = true;
    const std::int32_t winBefore = state.SpinWin, nudgesBefore = state.Nudges;
    state.NudgeAllowed = false;
    events.bonusGameOpening();
    const BonusPrizes prizes = ShuffleBonusPrizes(random);
    state.NudgeAllowed = false;
    events.bonusGameDealt(prizes);
    outcome.vaultCredits = addCapped(outcome.vaultCredits, state.SpinWin - winBefore);
    outcome.vaultNudges = addCapped(outcome.vaultNudges, state.Nudges - nudgesBefore);
    events.nudgesChanged();
    state.NudgeAllowed = false;
}

// Scores the reels at ReelStops for the coins in CoinsBet. Returns with SpinWin back at 0,
// every win counted into Credits, and NudgeAllowed telling whether a nudge may follow. The
// outcome is filled in as the play goes, before each event that speaks of it.
template <class Events>
void EvaluateLines(GameState &state, RandomSource &random, Events &events, PlayOutcome &outcome)
{
    outcome.coins = state.CoinsBet;
    outcome.stops = state.ReelStops;
    state.SpinWin = 0;
    state.NudgeAllowed = false;
    const VisibleSymbols rows = visibleSymbols(state.ReelStops);
    bool bonusPlayed = false;
    std::int32_t previousTotal = 0;

    for (int line = 0; line < kLineCount; ++line) {
        const int row = kLineRows[line];
        const int s1 = rows[row][0], s2 = rows[row][1], s3 = rows[row][2];
        const bool played = linePlayed(line, state.CoinsBet);

        // The Wild is animated wherever it stands, covered or not.
        if (s3 == Wild) {
            state.WildRow = row;
            events.wildLanded(row);
        }
        // A matching pay row decides the line even when the line is not covered.
        bool opened = false;
        if (const int pays = linePays(s1, s2, s3); pays > 0) {
            if (played)
                state.SpinWin = addCapped(state.SpinWin, pays);
        } else if (triggersBonus(s1, s2, s3, played)) {
            playBonusGame(state, random, events, outcome);
            bonusPlayed = opened = true;
        }
        const bool raised = state.SpinWin > previousTotal;
        if (raised && !opened) {
            outcome.paidLines[std::size_t(line)] = true;
            outcome.lineCredits = addCapped(outcome.lineCredits, state.SpinWin - previousTotal);
        }
        if (raised || opened)
            events.lineWon(line);
        if (raised) {
            if (s3 == Wild) {
                const std::int32_t before = state.Nudges;
                state.Nudges = addCapped(state.Nudges, kWildLineNudges);
                outcome.nudgesWon = addCapped(outcome.nudgesWon, state.Nudges - before);
            }
            events.nudgesChanged();
        }
        previousTotal = state.SpinWin;
    }

    // SpinWin > 0 as well: a stake of 0 must not sound a win of nothing.
    if (state.SpinWin > 0 && state.SpinWin >= state.CoinsBet)
        events.winAnnounced();

    if (state.SpinWin > 0) {
        events.winShown();
        events.nudgeOfferWithdrawn();
        state.NudgeAllowed = false;
        CountUpWinnings(state, events);
    } else {
        // After a bonus game the offer stays closed, though the buttons blink while nudges remain.
        if (!bonusPlayed)
            state.NudgeAllowed = true;
        if (state.Nudges > 0)
            events.nudgesOffered();
    }
}

// For players that need no account of the result.
template <class Events> void EvaluateLines(GameState &state, RandomSource &random, Events &events)
{
    PlayOutcome outcome;
    EvaluateLines(state, random, events, outcome);
}

extern template void EvaluateLines<EvaluationEvents>(GameState &, RandomSource &, EvaluationEvents &,
                                                     PlayOutcome &);
extern template void CountUpWinnings<EvaluationEvents>(GameState &, EvaluationEvents &);

} // namespace varnholt
