// Nudges on the main window: the offer after a losing spin, the reel sliding down one symbol,
// its settle, and the lines judged again at the last stake.

#include "FormFixture.h"
#include "ReferenceFace.h"

#include "bonus/Nudges.h"
#include "core/Input.h"
#include "platform/Canvas.h"
#include "ui/FaceWidget.h"

#include <QKeyEvent>

#include <algorithm>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlayNudge : public PlayTest {
protected:
    // A window after a one-coin spin that paid nothing at these stops.
    std::unique_ptr<TestForm1> afterLosingSpin(std::array<int, 3> stops, int nudges = 6, int coins = 1)
    {
        saveCurrentGameWith([&](SavedFields &g) { g.Nudges = nudges; });
        auto form = makePlayForm();
        forceStops(*form, stops);
        for (int coin = 0; coin < coins; ++coin)
            betOne(*form);
        if (coins < 3)
            spin(*form);
        EXPECT_TRUE(form->game().NudgeAllowed);
        EXPECT_TRUE(changesWithin(*form, nudgeButtons(*form), 300)) << "the nudge buttons blink";
        EXPECT_EQ(waves->count("VrnWin.wav") + waves->count(kCountClick), 0);
        waves->played.clear();
        clock->waits.clear();
        return form;
    }

    QRect reelWindow(TestForm1 &form, int reel) const
    {
        const Layout &l = form.face().layout();
        return QRect(l.ReelsLeft + reel * l.ReelPitch, l.ReelsTop, l.SymbolSize, 3 * l.SymbolSize);
    }

    static bool nudgeButtonsShow(const TestForm1 &form, bool lit)
    {
        ReferenceFace drawn(form);
        drawn.face.DrawNudgeButtons(lit);
        return form.canvas().grab(nudgeButtons(form)) == drawn.canvas.grab(nudgeButtons(form));
    }
};

} // namespace

TEST_F(PlayNudge, NudgeMovesTheReelOneSymbolAndPaysAtTheLastStake)
{
    auto form = afterLosingSpin(kSkullAfterNudgeStops);
    const GameState &g = form->game();
    const GameState before = g;
    press(*form, kNudgeButtonX[0], kNudgeButtonY);

    EXPECT_EQ(g.ReelStops, (std::array<int, 3>{7, 30, 1}));
    EXPECT_EQ(g.Nudges, before.Nudges - 1);
    EXPECT_EQ(g.Credits, before.Credits + 3) << "skulls on the middle row pay 3 to a one-coin stake";
    EXPECT_EQ(g.CoinsBet, 0);
    EXPECT_EQ(g.LastBet, 1);
    EXPECT_EQ(g.Spins, before.Spins) << "a nudge is not a spin";
    EXPECT_EQ(g.TotalBets, before.TotalBets);
    EXPECT_FALSE(g.NudgeAllowed) << "the offer closes once a nudge has paid";
    EXPECT_FALSE(form->playing());
    EXPECT_FALSE(changesWithin(*form, nudgeButtons(*form), 300));
    EXPECT_TRUE(changesWithin(*form, titlePanel(*form), 200)) << "the win flashes";
    EXPECT_EQ(waves->count(kStopClick), 1);
    EXPECT_EQ(waves->count(kCountClick), 3);
}

TEST_F(PlayNudge, SlidesInEightFramesThenSettlesWithABounce)
{
    auto form = afterLosingSpin(kLosingStops);
    const QRect window = reelWindow(*form, 1);
    const QRect above(window.left(), window.top() - 4, window.width(), 4);
    const QImage faceAbove = form->canvas().grab(above);

    std::vector<QImage> shown;
    clock->duringWait = [&] { shown.push_back(form->canvas().grab(window)); };
    press(*form, kNudgeButtonX[1], kNudgeButtonY);

    // 8 scroll frames 0.05 s apart, then 7 waits of 0.02 s between the 8 bounce drawings.
    std::vector<std::int64_t> expected(8, 50);
    expected.insert(expected.end(), 7, 20);
    EXPECT_EQ(clock->waits, expected);

    // The last scroll frame already shows the reel at its new stop, as it is finally drawn.
    EXPECT_EQ(form->game().ReelStops[1], 30);
    const QImage atRest = form->canvas().grab(window);
    ReferenceFace redrawn(*form);
    redrawn.face.DrawReel(1, 30);
    EXPECT_EQ(redrawn.canvas.grab(window), atRest);
    ASSERT_EQ(shown.size(), 15u);
    EXPECT_EQ(shown[7], atRest);
    for (int frame = 0; frame < 7; ++frame)
        EXPECT_NE(shown[frame], atRest) << "scroll frame " << frame + 1;
    EXPECT_NE(shown[8], atRest) << "the bounce moves the reel";
    // The upward swing leaves no trace on the face above the reel.
    EXPECT_EQ(form->canvas().grab(above), faceAbove);
}

TEST_F(PlayNudge, LastNudgeTurnsTheButtonsOff)
{
    auto form = afterLosingSpin(kLosingStops, 1);
    const GameState &g = form->game();
    if (!nudgeButtonsShow(*form, true))
        passTime(*form, 300);
    ASSERT_TRUE(nudgeButtonsShow(*form, true)) << "caught lit by the blinking";
    press(*form, kNudgeButtonX[2], kNudgeButtonY);
    EXPECT_EQ(g.Nudges, 0);
    EXPECT_FALSE(g.NudgeAllowed);
    EXPECT_FALSE(changesWithin(*form, nudgeButtons(*form), 300));
    const std::array<int, 3> stops = g.ReelStops;
    press(*form, kNudgeButtonX[2], kNudgeButtonY);
    EXPECT_EQ(g.ReelStops, stops);

    EXPECT_TRUE(nudgeButtonsShow(*form, false));
}

TEST_F(PlayNudge, NothingElseStartsWhileANudgeIsUnderWay)
{
    auto form = afterLosingSpin(kLosingStops);
    const GameState &g = form->game();
    const GameState before = g;
    int calls = 0;
    clock->duringWait = [&] {
        if (calls++ > 0)
            return;
        EXPECT_TRUE(form->playing());
        EXPECT_FALSE(form->NewGame1->isEnabled());
        press(*form, kNudgeButtonX[2], kNudgeButtonY);
        press(*form, kBet1X, kBet1Y);
        press(*form, kSpinX, kSpinY);
        form->FormKeyDown(kKeyEnter);
    };
    press(*form, kNudgeButtonX[0], kNudgeButtonY);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(g.Nudges, before.Nudges - 1);
    EXPECT_EQ(g.ReelStops[2], before.ReelStops[2]);
    EXPECT_EQ(g.Spins, before.Spins);
    EXPECT_EQ(g.Credits, before.Credits);
    EXPECT_TRUE(form->NewGame1->isEnabled());
}

TEST_F(PlayNudge, NumberKeysNudgeLikeTheButtons)
{
    auto form = afterLosingSpin(kLosingStops, 1);
    const GameState &g = form->game();
    const GameState before = g;
    const auto key = [&](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, code, modifiers);
        QCoreApplication::sendEvent(&form->faceWidget(), &event);
    };
    int waits = 0;
    clock->duringWait = [&] {
        if (waits++ == 0)
            key(Qt::Key_3); // busy with the nudge
    };
    key(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_GT(waits, 0);
    EXPECT_EQ(g.ReelStops[1], before.ReelStops[1] == 1 ? 30 : before.ReelStops[1] - 1);
    EXPECT_EQ(g.ReelStops[2], before.ReelStops[2]);
    EXPECT_EQ(g.Nudges, 0);
    EXPECT_FALSE(changesWithin(*form, nudgeButtons(*form), 300));

    // None left: the offer stays closed whatever key is pressed.
    key(Qt::Key_1);
    EXPECT_EQ(g.ReelStops[0], before.ReelStops[0]);
    EXPECT_FALSE(g.NudgeAllowed);
}
