// The bonus game as the main window runs it: opened by the Bonus row, a chest picked in the
// real bonus window, and its prize counted into the game once.

#include "FormFixture.h"
#include "TestWindows.h"

#include "bonus/Chests.h"
#include "ui/Unit2.h"

#include <QMouseEvent>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PlayBonus : public PlayTest {
protected:
    // Spins into the Bonus row; `pick` plays the bonus window in place of the player.
    void spinIntoBonus(TestForm1 &form, std::function<void(TTrickForm &)> pick)
    {
        forceStops(form, kBonusMiddleStops);
        form.showBonusWindow = [&, pick](TTrickForm &window) {
            ++windowsShown;
            flashingDuringBonus = changesWithin(form, titlePanel(form), 200);
            pick(window);
            picked = window.pickedChest();
            prize = window.boxPicked() ? dealt(window) : 0;
        };
        betOne(form);
        spin(form);
    }

    // The prize behind the picked chest, as the window shows it.
    static std::int32_t dealt(const TTrickForm &window)
    {
        return TestTrickForm::prizeTextOf(window) == "6 Nudges" ? kNudgePrize : creditsShown(window);
    }

    static void clickWindow(TTrickForm &window, QPoint at)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
    }

    int windowsShown = 0;
    bool flashingDuringBonus = true;
    int picked = 0;
    std::int32_t prize = 0;
};

} // namespace

TEST_F(PlayBonus, BonusRowOpensTheBonusWindowAndPaysThePickOnce)
{
    // A large screen: the margin asks for a pick first (in the main window's message box), and
    // after it closes the game at once.
    saveCurrentGameWith([](SavedFields &g) { g.Nudges = 2; });
    auto form = makePlayForm(1920, 1080);
    const GameState &g = form->game();
    // A win flashing as the bonus spin starts.
    forceStops(*form, kSkullMiddleStops);
    betOne(*form);
    spin(*form);
    ASSERT_TRUE(changesWithin(*form, titlePanel(*form), 200));
    const std::int32_t credits = g.Credits - 1;
    spinIntoBonus(*form, [this](TTrickForm &window) {
        const QPoint margin(5, 5);
        ASSERT_GT(window.chestRoom()->pos().x(), margin.x());
        clickWindow(window, margin);
        EXPECT_EQ(messageTexts(), std::vector<QString>{"Click on one of the Boxes!"});
        EXPECT_FALSE(window.boxPicked());
        window.Image3MouseDown(206, 587); // chest 1's bottom-right corner
        clickWindow(window, margin);
        EXPECT_EQ(window.result(), QDialog::Accepted);
        window.Timer1Timer(); // a late tick pays nothing more
    });
    EXPECT_EQ(windowsShown, 1);
    EXPECT_FALSE(flashingDuringBonus) << "win flashing stops for the bonus game";
    ASSERT_EQ(picked, 1);
    if (prize == kNudgePrize) {
        EXPECT_EQ(g.Nudges, 2 + 6);
        EXPECT_EQ(g.Credits, credits);
        EXPECT_EQ(g.BonusWon, 0);
    } else {
        EXPECT_EQ(g.Credits, credits + prize) << "counted into the credits";
        EXPECT_EQ(g.BonusWon, prize);
        EXPECT_GT(waves->count(kCountClick), 0);
    }
    EXPECT_EQ(g.SpinWin, 0);
    EXPECT_FALSE(g.NudgeAllowed) << "no nudges straight after a bonus game";
    EXPECT_EQ(messages.size(), 1u);
}
