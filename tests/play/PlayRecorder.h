#pragma once
// Test helpers: a play-events recorder and a finder for reel stops showing a wanted board.

#include "bonus/BonusPrizes.h"
#include "core/GameState.h"
#include "core/PayTable.h"
#include "core/Reels.h"
#include "play/EvaluationEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace varnholt::testing {

using Row = std::array<int, 3>;

// Records every hook as one log entry, with the state values the window would draw. Count-up
// steps go to their own list (they can be many); a step that does not follow the count-up's
// start directly is counted as out of place.
class PlayRecorder final : public PlayEvents {
public:
    explicit PlayRecorder(GameState &state) : state_(state) {}

    std::vector<std::string> log;
    std::vector<int> steps;
    std::vector<int> counted;
    std::vector<std::int32_t> creditsAtStep;
    int stepsOutOfPlace = 0;
    std::vector<BonusPrizes> dealtPrizes;
    std::int32_t wantedPrize = 25; // the bonus chest picked is one holding this prize
    std::vector<int> wonLines;

    void wildLanded(int row) override
    {
        log.push_back("wild " + std::to_string(row) + " row=" + std::to_string(state_.WildRow));
    }
    void bonusGameOpening() override { log.push_back("bonusGameOpening"); }
    void bonusGameDealt(const BonusPrizes &prizes) override
    {
        dealtPrizes.push_back(prizes);
        const auto chest = std::find(prizes.begin(), prizes.end(), wantedPrize);
        EXPECT_NE(chest, prizes.end());
        log.push_back("bonus " + prizeText(*chest));
        applyBonusPrize(state_, *chest);
    }
    void lineWon(int line) override { wonLines.push_back(line); }
    void nudgesChanged() override { log.push_back("nudges " + std::to_string(state_.Nudges)); }
    void winAnnounced() override { log.push_back("winAnnounced " + std::to_string(state_.SpinWin)); }
    void winShown() override { log.push_back("winShown"); }
    void nudgeOfferWithdrawn() override { log.push_back("nudgeOfferWithdrawn"); }
    void countUpStarted() override { log.push_back("countUp"); }
    void countUpStep(int step, int total) override
    {
        if (log.empty() || log.back() != "countUp")
            ++stepsOutOfPlace;
        steps.push_back(step);
        counted.push_back(total);
        creditsAtStep.push_back(state_.Credits);
    }
    void nudgesOffered() override { log.push_back("nudgesOffered"); }

    void rebetPlaced() override { log.push_back("rebet"); }
    void spinStarting() override { log.push_back("spinStarting"); }
    void reelsSpinning(const std::array<int, kReelCount> &offsets) override
    {
        animatedOffsets = offsets;
        log.push_back("reelsSpinning");
    }
    void spinFinished() override { log.push_back("spinFinished"); }
    void nudgeStarting(int reel) override { log.push_back("nudgeStarting " + std::to_string(reel)); }
    void reelNudging(int reel, const std::array<int, 4> &strip) override
    {
        scrolledStrip = strip;
        log.push_back("nudging " + std::to_string(reel));
    }
    void nudgeSettled(int reel) override
    {
        log.push_back("settled " + std::to_string(reel) + " stop=" + std::to_string(state_.ReelStops[reel]));
    }

    std::array<int, kReelCount> animatedOffsets{};
    std::array<int, 4> scrolledStrip{};

private:
    GameState &state_;
};

// The first stops, in order of reel 1, 2, 3 positions, whose nine symbols satisfy `wanted`.
template <class Wanted> std::array<int, 3> findStops(Wanted wanted)
{
    for (int a = 1; a <= kStripLength; ++a)
        for (int b = 1; b <= kStripLength; ++b)
            for (int c = 1; c <= kStripLength; ++c)
                if (wanted(visibleSymbols({a, b, c})))
                    return {a, b, c};
    ADD_FAILURE() << "no stops show the wanted board";
    return {1, 1, 1};
}

// Neither pays nor opens the bonus game (for any stake), nor shows the Wild.
inline bool quietRow(const Row &row)
{
    const bool twoBonus = row[0] == BonusSymbol && row[1] == BonusSymbol;
    return linePays(row[0], row[1], row[2]) == 0 && !twoBonus && row[2] != Wild;
}

// Stops showing `row` on screen row `screenRow` with the two other rows quiet.
inline std::array<int, 3> stopsShowingOnly(int screenRow, const Row &row)
{
    return findStops([&](const VisibleSymbols &rows) {
        for (int k = 0; k < 3; ++k)
            if (k == screenRow ? rows[k] != row : !quietRow(rows[k]))
                return false;
        return true;
    });
}

} // namespace varnholt::testing
