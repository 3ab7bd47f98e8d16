// The guides of the lines that won, lit while the win flashing runs.

#include "FormFixture.h"
#include "TestWindows.h"

#include "platform/Canvas.h"
#include "presentation/MachineFace.h"
#include "ui/Unit2.h"

#include <QKeyEvent>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlayLitLines : public PlayTest {
protected:
    // Whether each screen row's guide shows lit on the canvas, read off its band's edge row
    // (the plain guide is one pixel on the band's middle).
    static std::array<bool, 3> litOnCanvas(TestForm1 &form)
    {
        std::array<bool, 3> lit{};
        for (int row = 0; row < 3; ++row) {
            const QRect band = form.face().litGuideBand(row);
            lit[row] = form.canvas().pixel(band.left() + 2, band.top()) == qRgb(255, 196, 0);
        }
        return lit;
    }
};

constexpr std::array<bool, 3> kNone{false, false, false};
constexpr std::array<bool, 3> kMiddle{false, true, false};

} // namespace

TEST_F(PlayLitLines, PayingLineLightsUntilTheNextSpin)
{
    for (const int width : {800, 1920}) {
        auto form = makePlayForm(width, width * 3 / 4);
        ASSERT_GE(form->face().litGuideBand(1).height(), width > 800 ? 3 : 2) << "thicker on a larger face";
        forceStops(*form, kSkullMiddleStops);
        betOne(*form);
        spin(*form);
        EXPECT_TRUE(changesWithin(*form, titlePanel(*form), 200)) << "the win flashes";
        EXPECT_EQ(litOnCanvas(*form), kMiddle) << "only the paying middle line";
        passTime(*form, 300); // the lamps' drawing keeps it lit
        EXPECT_EQ(litOnCanvas(*form), kMiddle);
        form->NewGame1Click(); // and so does a repaint of the whole face
        EXPECT_EQ(litOnCanvas(*form), kMiddle);

        std::array<bool, 3> duringSpin{true, true, true};
        clock->duringWait = [&] {
            duringSpin = litOnCanvas(*form);
            clock->duringWait = nullptr;
        };
        forceStops(*form, kLosingStops);
        spin(*form);
        EXPECT_EQ(duringSpin, kNone) << "plain from the spin's start";
        EXPECT_EQ(litOnCanvas(*form), kNone);
    }
}

TEST_F(PlayLitLines, KeyboardBonusGameLightsItsLineWhenItPays)
{
    auto form = makePlayForm();
    forceStops(*form, kBonusMiddleStops);
    std::int32_t credits = -1;
    form->showBonusWindow = [&](TTrickForm &window) {
        for (const int key : {Qt::Key_Right, Qt::Key_Return}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &event);
        }
        credits = creditsShown(window);
        window.Timer1Timer();
    };
    const std::int32_t before = form->game().Credits;
    betOne(*form);
    spin(*form);
    ASSERT_GE(credits, 0) << "the chest was picked by keys alone";
    EXPECT_EQ(form->game().Credits, before - 1 + credits) << "the prize is paid";
    EXPECT_EQ(litOnCanvas(*form), credits > 0 ? kMiddle : kNone);
}
