// A spin on the main window: the reel animation frame by frame, and the evaluation's effects.

#include "FormFixture.h"
#include "ReferenceFace.h"

#include "core/Input.h"
#include "geometry/ReelFrames.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <optional>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlaySpin : public PlayTest {};

// Rows of the pay-line guides, which are drawn over every frame.
bool isGuideRow(const Layout &l, int y)
{
    for (int row = 0; row < 3; ++row)
        if (y == l.ReelsTop + row * l.SymbolSize + l.SymbolSize / 2)
            return true;
    return false;
}

// How far down the resting picture of a reel is drawn now (0 to 4), if it is drawn at all.
std::optional<int> restingPictureShift(const Canvas &canvas, const Layout &l, int reel, const QImage &resting)
{
    const int x = l.ReelsLeft + reel * l.ReelPitch;
    const int height = 3 * l.SymbolSize - kBounceGrabMargin;
    for (int shift = 0; shift <= 4; ++shift) {
        bool same = true;
        for (int y = 0; y < height && same; ++y) {
            const int screenY = l.ReelsTop + shift + y;
            if (isGuideRow(l, screenY) || isGuideRow(l, l.ReelsTop + y))
                continue;
            for (int dx = 0; dx < l.SymbolSize && same; ++dx)
                same = canvas.pixel(x + dx, screenY) == (resting.pixel(dx, y) | 0xff000000u);
        }
        if (same)
            return shift;
    }
    return std::nullopt;
}

} // namespace

TEST_F(PlaySpin, ReelsStopAtFrames21_30_39WithAClickEach)
{
    for (const std::int64_t lag : {0, 55}) {
        auto form = makePlayForm();
        clock->lag = lag; // a slow machine slows the reels, it does not skip frames
        forceStops(*form, kLosingStops);
        betOne(*form);
        spin(*form);
        const auto &ticks = form->reelFrameTicks();
        ASSERT_EQ(ticks.size(), 47u) << "lag " << lag;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_GE(ticks[i] - ticks[i - 1], 25) << "frame " << i + 1;
        EXPECT_EQ(waves->framesOf(kStopClick), (std::vector<int>{21, 30, 39})) << "lag " << lag;
        EXPECT_EQ(form->game().ReelStops, kLosingStops);
    }
}

TEST_F(PlaySpin, EachReelBouncesDownThreePixelsAndBack)
{
    auto form = makePlayForm();
    forceStops(*form, kLosingStops);
    std::vector<QImage> frames; // the canvas after each frame
    clock->duringWait = [&] {
        if (frames.size() < form->reelFrameTicks().size())
            frames.push_back(form->canvas().image().copy());
    };
    betOne(*form);
    spin(*form);
    frames.push_back(form->canvas().image().copy());
    ASSERT_EQ(frames.size(), 47u);

    const Layout &l = form->face().layout();
    for (int reel = 0; reel < 3; ++reel) {
        const QImage resting = form->canvas().grab(
            QRect(l.ReelsLeft + reel * l.ReelPitch, l.ReelsTop, l.SymbolSize, 3 * l.SymbolSize));
        std::vector<int> shifts;
        for (int frame = 21 + 9 * reel; frame <= 29 + 9 * reel; ++frame) {
            Canvas shown(form->canvas().size());
            shown.copyAt(frames[frame - 1], QPoint(0, 0));
            const auto shift = restingPictureShift(shown, l, reel, resting);
            shifts.push_back(shift.value_or(-1));
        }
        EXPECT_EQ(shifts, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 0, 0})) << "reel " << reel + 1;
        // Still spinning one frame before its stop.
        Canvas before(form->canvas().size());
        before.copyAt(frames[19 + 9 * reel], QPoint(0, 0));
        EXPECT_FALSE(restingPictureShift(before, l, reel, resting)) << "reel " << reel + 1;
    }
}

TEST_F(PlaySpin, SpinLocksTheMachineAndStopsTheLampsWhileTheReelsTurn)
{
    // Before the spin: a win flashing with the Wild swinging, or nudges on offer blinking.
    for (const auto &firstStops : {kGoldWildStops, kLosingStops}) {
        saveCurrentGameWith([](SavedFields &g) { g.Nudges = 3; });
        auto form = makePlayForm();
        const GameState &g = form->game();
        forceStops(*form, firstStops);
        betOne(*form);
        spin(*form);
        const bool won = firstStops == kGoldWildStops;
        ASSERT_EQ(g.NudgeAllowed, !won);
        ASSERT_TRUE(changesWithin(*form, won ? titlePanel(*form) : nudgeButtons(*form), won ? 200 : 300));
        const std::vector<QRect> lamps{buttonLamps(*form), titlePanel(*form), nudgeButtons(*form),
                                       wildCell(*form)};

        forceStops(*form, kLosingStops);
        bool checked = false;
        clock->duringWait = [&] {
            if (checked)
                return;
            checked = true;
            EXPECT_TRUE(form->playing());
            for (const QRect &lamp : lamps)
                EXPECT_FALSE(changesWithin(*form, lamp, 300)) << "lamp at " << lamp.x() << "," << lamp.y();
            // Presses and keys during the animation start nothing inside it.
            const int nudges = g.Nudges;
            press(*form, kNudgeButtonX[0], kNudgeButtonY);
            betOne(*form);
            spin(*form);
            form->FormKeyDown(kKeyB);
            EXPECT_EQ(g.Nudges, nudges);
            EXPECT_EQ(g.CoinsBet, 1);
            EXPECT_EQ(g.Spins, 2);
        };
        spin(*form);
        EXPECT_TRUE(checked);
        EXPECT_EQ(g.ReelStops, kLosingStops);
        EXPECT_EQ(g.Spins, 2);
        EXPECT_EQ(g.CoinsBet, 0);
        EXPECT_EQ(g.LastBet, 1);
        EXPECT_FALSE(form->playing());
        EXPECT_TRUE(changesWithin(*form, buttonLamps(*form), 200)) << "attract lamps back on";
    }
}

TEST_F(PlaySpin, WinSoundsThenCountsUpOnTheMeters)
{
    auto form = makePlayForm();
    const GameState &g = form->game();
    forceStops(*form, kGoldWildStops);
    const int nudges = g.Nudges;
    betOne(*form);
    clock->waits.clear();
    spin(*form);

    // 250 credits count up in 16 steps of 10, 14 of 5 and 20 of 1, each followed by 0.075 s.
    EXPECT_EQ(g.Credits, 999 + 250);
    EXPECT_EQ(g.SpinWin, 0);
    EXPECT_EQ(g.Nudges, nudges + 2) << "a Wild win earns two nudges";
    EXPECT_EQ(std::count(clock->waits.begin(), clock->waits.end(), 75), 50);
    EXPECT_EQ(waves->count(kCountClick), 50);
    const auto win = std::find_if(waves->played.begin(), waves->played.end(),
                                  [](const PlayedSound &s) { return s.name == "VrnWin.wav"; });
    ASSERT_NE(win, waves->played.end());
    EXPECT_TRUE(win->wait) << "the win sound holds the machine until it ends";
    const auto firstCount = std::find_if(waves->played.begin(), waves->played.end(),
                                         [](const PlayedSound &s) { return s.name == kCountClick; });
    EXPECT_LT(win, firstCount) << "the count-up starts after the win sound";
    EXPECT_FALSE(g.NudgeAllowed);

    // The meters show the count's end: redrawing them at their final values changes nothing.
    const Layout &l = form->face().layout();
    const QRect meters(0, 0, l.Scale(800), l.Scale(98)); // the band of the three meters
    const QImage shown = form->canvas().grab(meters);
    ReferenceFace redrawn(*form);
    redrawn.face.DrawWinningsMeter(250);
    redrawn.face.DrawCreditsMeter(g.Credits);
    EXPECT_EQ(redrawn.canvas.grab(meters), shown);
    redrawn.face.DrawWinningsMeter(249);
    EXPECT_NE(redrawn.canvas.grab(meters), shown);

    EXPECT_TRUE(changesWithin(*form, titlePanel(*form), 200)) << "the win flashes";
    EXPECT_TRUE(changesWithin(*form, wildCell(*form), 300)) << "the Wild swings";
    EXPECT_FALSE(changesWithin(*form, nudgeButtons(*form), 300));
}
