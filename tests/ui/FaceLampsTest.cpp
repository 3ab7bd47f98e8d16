// The lamps on the main window's face, as their timers drive them while the clock moves on.

#include "FormFixture.h"
#include "ReferenceFace.h"

#include "core/Reels.h"
#include "platform/Clock.h"

#include <algorithm>
#include <array>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FaceLamps : public PlayTest {};

const QRect kSpinArea(577, 293, 78, 59);
const QRect kBet1Area(577, 362, 78, 59);
const QRect kBet3Area(577, 432, 78, 59);

// What an area shows when drawn one way and the other, for telling its state later.
struct TwoStates {
    QImage lit, unlit;
};

TwoStates buttonStates(const TestForm1 &form, char button, const QRect &area)
{
    ReferenceFace drawn(form);
    drawn.face.DrawMachineButton(button, true);
    TwoStates s{drawn.canvas.grab(area), {}};
    drawn.face.DrawMachineButton(button, false);
    s.unlit = drawn.canvas.grab(area);
    return s;
}

// 1 lit, 0 unlit, -1 neither.
int stateOf(const TestForm1 &form, const QRect &area, const TwoStates &states)
{
    const QImage now = form.canvas().grab(area);
    return now == states.lit ? 1 : now == states.unlit ? 0 : -1;
}

} // namespace

TEST_F(FaceLamps, Timer2DrawsTheAttractLampOrTheFlashingSpin)
{
    auto form = makeClockedForm(800, 600);
    const TwoStates bet1 = buttonStates(*form, kBet1Button, kBet1Area);
    const TwoStates spinButton = buttonStates(*form, kSpinButton, kSpinArea);
    const TwoStates bet3 = buttonStates(*form, kBet3Button, kBet3Area);
    auto shown = [&] {
        return std::array<int, 3>{stateOf(*form, kBet1Area, bet1), stateOf(*form, kSpinArea, spinButton),
                                  stateOf(*form, kBet3Area, bet3)};
    };

    // No coins in: exactly one button lit per tick, never the same twice running, Bet 1 never first.
    int previous = -1;
    for (int tick = 0; tick < 40; ++tick) {
        passTime(*form, 200);
        const auto lit = shown();
        ASSERT_EQ(std::count(lit.begin(), lit.end(), -1), 0) << "tick " << tick;
        ASSERT_EQ(lit[0] + lit[1] + lit[2], 1) << "tick " << tick;
        const int now = lit[0] ? 0 : lit[1] ? 1 : 2;
        if (tick == 0) {
            EXPECT_NE(now, 0) << "the first attract tick never lights Bet 1";
        }
        EXPECT_NE(now, previous);
        previous = now;
    }

    // A coin in: both bet buttons lit and Spin flashing, starting lit.
    betOne(*form);
    for (int tick = 0; tick < 4; ++tick) {
        passTime(*form, 200);
        EXPECT_EQ(shown(), (std::array<int, 3>{1, 1 - tick % 2, 1})) << tick;
    }

    // Win flashing keeps Spin flashing with no coins in.
    forceStops(*form, kSkullMiddleStops);
    spin(*form);
    ASSERT_EQ(form->game().CoinsBet, 0);
    passTime(*form, 200);
    const int first = stateOf(*form, kSpinArea, spinButton);
    for (int tick = 1; tick < 4; ++tick) {
        passTime(*form, 200);
        EXPECT_EQ(shown(), (std::array<int, 3>{1, (first + tick) % 2, 1})) << tick;
    }
}

TEST_F(FaceLamps, WildSwingsThroughItsFramesInItsRow)
{
    auto form = makePlayForm();
    const Layout &l = form->face().layout();
    const QImage &sheet = form->face().sized().symbolSheet;
    const QRect middle(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop + l.SymbolSize, l.SymbolSize, 30);
    for (int code : {10, 11, 10, 9, 10}) {
        passTime(*form, 300);
        EXPECT_EQ(form->canvas().grab(middle).convertToFormat(QImage::Format_RGB32),
                  sheet.copy((code % 4) * 76, (code / 4) * 76, 76, 30).convertToFormat(QImage::Format_RGB32))
            << code;
    }
    // Another row once a spin has brought the Wild there.
    forceStops(*form, {1, 1, 8});
    betOne(*form);
    spin(*form);
    ASSERT_EQ(form->game().WildRow, 0);
    passTime(*form, 300); // frame 11
    const QRect top(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop, l.SymbolSize, 30);
    EXPECT_EQ(form->canvas().grab(top).convertToFormat(QImage::Format_RGB32),
              sheet.copy(3 * 76, 2 * 76, 76, 30).convertToFormat(QImage::Format_RGB32));
}

TEST_F(FaceLamps, CrystalBallFlickersInItsRhythm)
{
    auto form = makeClockedForm(800, 600);
    const QRect ball(26, 361, 167, 186);
    const QImage unlit = form->canvas().grab(ball);
    ReferenceFace drawn(*form);
    drawn.face.DrawCrystalBall(true);
    const QImage lit = drawn.canvas.grab(ball);
    ASSERT_NE(lit, unlit);

    // The ball rests for five seconds after start-up, then flickers in these steps.
    int wait = 5000;
    const int intervals[] = {50, 50, 50, 50, 1000, 50, 50, 7000, 50};
    for (int tick = 0; tick < 9; ++tick) {
        passTime(*form, wait - 1);
        EXPECT_EQ(form->canvas().grab(ball), tick % 2 == 0 ? unlit : lit) << "before tick " << tick;
        passTime(*form, 1);
        EXPECT_EQ(form->canvas().grab(ball), tick % 2 == 0 ? lit : unlit) << "tick " << tick;
        wait = intervals[tick];
    }
}

TEST_F(FaceLamps, RepaintDuringWinFlashingShowsBothPanelsLit)
{
    auto form = makePlayForm(1024, 768);
    const QRect title = titlePanel(*form);
    const QRect plate = form->face().scaledRect(221, 551, 657, 600);
    const QImage titleLit = form->canvas().grab(title);
    const QImage plateLit = form->canvas().grab(plate);

    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    passTime(*form, 200); // name plate dimmed, title panel lit
    EXPECT_NE(form->canvas().grab(plate), plateLit);
    EXPECT_EQ(form->canvas().grab(title), titleLit);
    passTime(*form, 200); // and the other way round
    EXPECT_EQ(form->canvas().grab(plate), plateLit);
    EXPECT_NE(form->canvas().grab(title), titleLit);

    form->NewGame1Click(); // repaints the whole face
    EXPECT_EQ(form->canvas().grab(title), titleLit);
    EXPECT_EQ(form->canvas().grab(plate), plateLit);
}

TEST_F(FaceLamps, DimmedPanelsAtEightHundredReplaceTheirAreaExactly)
{
    auto form = makeForm(800, 600);
    ReferenceFace drawn(*form);
    fillSentinel(drawn.canvas);
    drawn.face.DrawTitlePanel(false);
    EXPECT_EQ(changedArea(drawn.canvas), QRect(247, 98, 302, 143));
    fillSentinel(drawn.canvas);
    drawn.face.DrawNamePlate(false);
    EXPECT_EQ(changedArea(drawn.canvas).intersected(QRect(0, 0, 800, 600)), QRect(221, 551, 436, 49));
}

TEST_F(FaceLamps, NudgeButtonsBlinkWithTimer7)
{
    saveCurrentGameWith([](SavedFields &g) { g.Nudges = 3; });
    auto form = makePlayForm();
    const QRect first(252, 243, 76, 20);
    ReferenceFace drawn(*form);
    drawn.face.DrawNudgeButtons(true);
    const QImage lit = drawn.canvas.grab(first);
    drawn.face.DrawNudgeButtons(false);
    const QImage unlit = drawn.canvas.grab(first);
    ASSERT_NE(lit, unlit);

    forceStops(*form, kLosingStops);
    betOne(*form);
    spin(*form);
    ASSERT_TRUE(form->game().NudgeAllowed);
    passTime(*form, 300);
    EXPECT_EQ(form->canvas().grab(first), lit);
    passTime(*form, 300);
    EXPECT_EQ(form->canvas().grab(first), unlit);
}

TEST_F(FaceLamps, TimersDriveTheFaceFromTheEventLoop)
{
    auto form = makeForm(800, 600);
    const QRect wild = wildCell(*form);
    const QImage buttonsBefore = form->canvas().grab(buttonLamps(*form));
    const QImage wildBefore = form->canvas().grab(wild);
    SystemClock realTime;
    Delay(realTime, 0.35);
    EXPECT_TRUE(form->NewGame1->isEnabled()) << "Timer1 ran and unlocked input";
    EXPECT_NE(form->canvas().grab(wild), wildBefore) << "Timer6 swung the Wild";
    EXPECT_NE(form->canvas().grab(buttonLamps(*form)), buttonsBefore) << "Timer2 moved the attract lamp";
}
