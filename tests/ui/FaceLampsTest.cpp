#include "FormFixture.h"

#include "core/Reels.h"

#include <algorithm>
#include <array>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FaceLamps : public FormTest {};

const QRect kSpinArea(577, 293, 78, 59);
const QRect kBet1Area(577, 362, 78, 59);
const QRect kBet3Area(577, 432, 78, 59);

// What an area shows when drawn one way and the other, for telling its state later.
struct TwoStates {
    QImage lit, unlit;
};

TwoStates buttonStates(TForm1 &form, char button, const QRect &area)
{
    form.DrawMachineButton(button, true);
    TwoStates s{form.canvas().grab(area), {}};
    form.DrawMachineButton(button, false);
    s.unlit = form.canvas().grab(area);
    return s;
}

// 1 lit, 0 unlit, -1 neither.
int stateOf(TForm1 &form, const QRect &area, const TwoStates &states)
{
    const QImage now = form.canvas().grab(area);
    return now == states.lit ? 1 : now == states.unlit ? 0 : -1;
}

} // namespace

TEST_F(FaceLamps, Timer2DrawsTheAttractLampOrTheFlashingSpin)
{
    auto form = makeForm(800, 600);
    const TwoStates bet1 = buttonStates(*form, kBet1Button, kBet1Area);
    const TwoStates spin = buttonStates(*form, kSpinButton, kSpinArea);
    const TwoStates bet3 = buttonStates(*form, kBet3Button, kBet3Area);
    auto shown = [&] {
        return std::array<int, 3>{stateOf(*form, kBet1Area, bet1), stateOf(*form, kSpinArea, spin),
                                  stateOf(*form, kBet3Area, bet3)};
    };

    // No coins in: exactly one button lit per tick, never the same twice running, Bet 1 never first.
    int previous = -1;
    for (int tick = 0; tick < 40; ++tick) {
        form->Timer2Timer();
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
    form->state().CoinsBet = 1;
    for (int tick = 0; tick < 4; ++tick) {
        form->Timer2Timer();
        EXPECT_EQ(shown(), (std::array<int, 3>{1, 1 - tick % 2, 1})) << tick;
    }

    // Win flashing keeps Spin flashing with no coins in.
    form->state().CoinsBet = 0;
    form->Timer3.setEnabled(true);
    form->Timer2Timer();
    const int first = stateOf(*form, kSpinArea, spin);
    form->Timer2Timer();
    EXPECT_EQ(stateOf(*form, kSpinArea, spin), 1 - first);
}

TEST_F(FaceLamps, WildSwingsThroughItsFramesInItsRow)
{
    auto form = makeForm(800, 600);
    const Layout &l = form->face().layout();
    const QImage &sheet = form->face().sized().symbolSheet;
    const QRect middle(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop + l.SymbolSize, l.SymbolSize, 30);
    for (int code : {10, 11, 10, 9, 10}) {
        form->Timer6Timer();
        EXPECT_EQ(form->canvas().grab(middle).convertToFormat(QImage::Format_RGB32),
                  sheet.copy((code % 4) * 76, (code / 4) * 76, 76, 30).convertToFormat(QImage::Format_RGB32))
            << code;
    }
    // Another row once the evaluation has moved the Wild there.
    form->state().WildRow = 0;
    form->Timer6Timer(); // frame 11
    const QRect top(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop, l.SymbolSize, 30);
    EXPECT_EQ(form->canvas().grab(top).convertToFormat(QImage::Format_RGB32),
              sheet.copy(3 * 76, 2 * 76, 76, 30).convertToFormat(QImage::Format_RGB32));
}

TEST_F(FaceLamps, CrystalBallFlickersInItsRhythm)
{
    auto form = makeForm(800, 600);
    const QRect ball(26, 361, 167, 186);
    const QImage unlit = form->canvas().grab(ball);
    form->face().DrawCrystalBall(true);
    const QImage lit = form->canvas().grab(ball);
    form->face().DrawCrystalBall(false);
    ASSERT_NE(lit, unlit);

    EXPECT_EQ(form->Timer5.Interval(), 5000) << "the ball rests for five seconds after start-up";
    const int intervals[] = {50, 50, 50, 50, 1000, 50, 50, 7000, 50};
    for (int tick = 0; tick < 9; ++tick) {
        form->Timer5Timer();
        EXPECT_EQ(form->Timer5.Interval(), intervals[tick]) << tick;
        EXPECT_EQ(form->canvas().grab(ball), tick % 2 == 0 ? lit : unlit) << tick;
        EXPECT_TRUE(form->Timer5.Enabled());
    }
}

TEST_F(FaceLamps, RepaintDuringWinFlashingShowsBothPanelsLit)
{
    auto form = makeForm(1024, 768);
    const QRect title = form->face().scaledRect(247, 98, 549, 241);
    const QRect plate = form->face().scaledRect(221, 551, 657, 600);
    const QImage titleLit = form->canvas().grab(title);
    const QImage plateLit = form->canvas().grab(plate);

    form->Timer3.setEnabled(true);
    form->Timer3Timer(); // name plate dimmed, title panel lit
    EXPECT_NE(form->canvas().grab(plate), plateLit);
    EXPECT_EQ(form->canvas().grab(title), titleLit);
    form->Timer3Timer(); // and the other way round
    EXPECT_EQ(form->canvas().grab(plate), plateLit);
    EXPECT_NE(form->canvas().grab(title), titleLit);

    form->FormPaint();
    EXPECT_EQ(form->canvas().grab(title), titleLit);
    EXPECT_EQ(form->canvas().grab(plate), plateLit);
}

TEST_F(FaceLamps, DimmedPanelsAtEightHundredReplaceTheirAreaExactly)
{
    auto form = makeForm(800, 600);
    Canvas &canvas = form->canvas();
    fillSentinel(canvas);
    form->DrawTitlePanel(false);
    EXPECT_EQ(changedArea(canvas), QRect(247, 98, 302, 143));
    fillSentinel(canvas);
    form->DrawNamePlate(false);
    EXPECT_EQ(changedArea(canvas).intersected(QRect(0, 0, 800, 600)), QRect(221, 551, 436, 49));
}

TEST_F(FaceLamps, NudgeButtonsBlinkWithTimer7)
{
    auto form = makeForm(800, 600);
    const QRect first(252, 243, 76, 20);
    form->DrawNudgeButtons(true);
    const QImage lit = form->canvas().grab(first);
    form->DrawNudgeButtons(false);
    const QImage unlit = form->canvas().grab(first);
    ASSERT_NE(lit, unlit);
    form->Timer7Timer();
    EXPECT_EQ(form->canvas().grab(first), lit);
    form->Timer7Timer();
    EXPECT_EQ(form->canvas().grab(first), unlit);
}

TEST_F(FaceLamps, TimersDriveTheFaceFromTheEventLoop)
{
    auto form = makeForm(800, 600);
    form->Timer5.setInterval(20);
    form->Delay(0.35);
    EXPECT_FALSE(form->state().Busy) << "Timer1 ran and unlocked input";
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_NE(form->Timer5.Interval(), 20) << "Timer5 ticked and took its next interval";
    EXPECT_NE(form->wildSwing.WildFrame, 0) << "Timer6 swung the Wild";
    EXPECT_NE(form->attractLamps.LastAttractButton, 0) << "Timer2 moved the attract lamp";
}
