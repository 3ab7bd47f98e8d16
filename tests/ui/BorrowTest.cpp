#include "ui/Borrow.h"

#include "FormFixture.h"
#include "TestWindows.h"

#include "core/Borrowing.h"
#include "platform/Canvas.h"
#include "presentation/MachineFace.h"
#include "ui/HelpContext.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class BorrowDialog : public SideWindowTest {
protected:
    void SetUp() override
    {
        SideWindowTest::SetUp();
        form = makeStartedForm();
    }

    void withDialog(const std::function<void(TBorrowC &)> &drive)
    {
        whileOpen<TBorrowC>(*form, &TForm1::Borrow1Click, drive);
    }

    // The window again, with a game of this money kept from the last run.
    void money(std::int32_t credits, std::int32_t borrowed)
    {
        saveCurrentGameWith([&](SavedFields &g) {
            g.Credits = credits;
            g.Borrowed = borrowed;
        });
        form = makeStartedForm();
    }

    std::unique_ptr<TestForm1> form;
};

void payBackMode(TBorrowC &dialog) { dialog.RadioButton2->click(); }

// The glyph of a digit, cut from a strip at its density.
QImage glyph(const QImage &strip, int digit, GlyphSize size)
{
    const double k = strip.devicePixelRatio();
    QImage cell = strip.copy(QRectF(digit * size.width * k, 0, size.width * k, size.height * k).toRect());
    cell.setDevicePixelRatio(k);
    return cell;
}

} // namespace

TEST_F(BorrowDialog, ChipsBorrowAtTheClickAndPayBackToZero)
{
    withDialog([&](TBorrowC &dialog) {
        EXPECT_TRUE(dialog.RadioButton1->isChecked());
        for (int i = 0; i < 4; ++i)
            dialog.BitBtn1->click();
    });
    EXPECT_EQ(form->game().Credits, 5000);
    EXPECT_EQ(form->game().Borrowed, 5000);

    money(100, 100);
    withDialog([&](TBorrowC &dialog) {
        EXPECT_TRUE(dialog.RadioButton1->isChecked()); // borrow again at every opening
        payBackMode(dialog);
        dialog.BitBtn2->click();
    });
    EXPECT_EQ(form->game().Credits, 0);
    EXPECT_EQ(form->game().Borrowed, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(BorrowDialog, RefusalsShowTheirTextsAndChangeNothing)
{
    const auto tryPayBack = [&](std::int32_t credits, std::int32_t borrowed, QPushButton *TBorrowC::*chip) {
        money(credits, borrowed);
        withDialog([&](TBorrowC &dialog) {
            payBackMode(dialog);
            (dialog.*chip)->click();
        });
        EXPECT_EQ(form->game().Credits, credits);
        EXPECT_EQ(form->game().Borrowed, borrowed);
    };
    tryPayBack(999, 5000, &TBorrowC::BitBtn1);
    tryPayBack(0, 5, &TBorrowC::BitBtn4);
    tryPayBack(500, 5, &TBorrowC::BitBtn3);
    tryPayBack(50, 10, &TBorrowC::BitBtn2); // both refusals apply: only the first is said
    EXPECT_EQ(messageTexts(),
              (std::vector<QString>{"You do not have 1000.00 credits!", "You do not have    1.00 credits!",
                                    "You cannot pay back more credits than you have borrowed!",
                                    "You do not have  100.00 credits!"}));
    EXPECT_EQ(messages.front().caption, "Varnholt Slots");

    money(kCounterLimit - 999, 1000);
    withDialog([&](TBorrowC &dialog) { dialog.BitBtn1->click(); });
    EXPECT_EQ(form->game().Credits, kCounterLimit - 999);
    EXPECT_EQ(form->game().Borrowed, 1000);
    EXPECT_EQ(messageTexts().back(), kBorrowLimitMessage);
}

TEST_F(BorrowDialog, HelpMessageHasItsTwoLineBreaksAndTopicsLeadToTheDialogsPages)
{
    withDialog([&](TBorrowC &dialog) {
        EXPECT_EQ(helpContextOf(&dialog), kHelpMachine);
        EXPECT_EQ(helpContextOf(dialog.BitBtn3), kHelpBorrowControls);
        EXPECT_EQ(helpContextOf(dialog.RadioButton2), kHelpBorrowControls);
        dialog.BitBtn7->click();
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(
        messages[0].text.endsWith("(or pay back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" "
                                  "select the mode."));
    EXPECT_TRUE(messages[0].text.startsWith("Use this screen to borrow credits or pay back credits that you "
                                            "borrowed previously.  Click"));
}

TEST_F(BorrowDialog, MetersAndCaptionsStandWhereComputed)
{
    money(1234, 56);
    const DigitStrips &strips = form->face().digitStrips();
    withDialog([&](TBorrowC &dialog) {
        EXPECT_EQ(dialog.size(), QSize(582, 300));
        const Canvas &canvas = surfaceOf(dialog);
        // Credits red, ending at 552; Borrowed green, from 20; both from y 40.
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(
                sameArea(canvas, QRect(488 + 16 * i, 40, 16, 21), glyph(strips.red, i + 1, kSmallGlyph)))
                << i;
        EXPECT_TRUE(sameArea(canvas, QRect(20, 40, 16, 21), glyph(strips.green, 5, kSmallGlyph)));
        EXPECT_TRUE(sameArea(canvas, QRect(36, 40, 16, 21), glyph(strips.green, 6, kSmallGlyph)));
        // "Credits:" ends 35 pixels inside the outer right edge (no frame offscreen).
        Canvas caption(QSize(582, 300));
        caption.setFont(windowFont(13, true));
        const QString credits = QStringLiteral("Credits:");
        caption.fill(0, 0, 582, 300, dialog.palette().color(QPalette::Button));
        caption.textOut(582 - 35 - caption.textWidth(credits), 20, credits,
                        dialog.palette().color(QPalette::ButtonText));
        EXPECT_TRUE(sameArea(canvas, QRect(400, 20, 182, 20), caption.grab(QRect(400, 20, 182, 20))));
        dialog.BitBtn4->click();
        EXPECT_TRUE(sameArea(canvas, QRect(536, 40, 16, 21), glyph(strips.red, 5, kSmallGlyph)));
    });
    // The face's credit meter shows the new balance once the dialog has closed.
    EXPECT_TRUE(sameArea(form->canvas(), QRect(604, 38, 16, 21), glyph(strips.green, 5, kSmallGlyph)));
}

TEST_F(BorrowDialog, LargeGlyphsOnAWideScreenAndNoBorrowingWhileBusy)
{
    auto wide = makeStartedForm(1280, 1024);
    whileOpen<TBorrowC>(*wide, &TForm1::Borrow1Click, [&](TBorrowC &dialog) {
        const QImage zero = glyph(wide->face().digitStrips().red, 0, kLargeGlyph);
        EXPECT_TRUE(sameArea(surfaceOf(dialog), QRect(520, 40, 32, 42), zero)); // 1000 ends at 552
    });

    // While the machine is busy (here: starting up) borrowing waits; the two readers do not.
    auto starting = makeClockedForm(800, 600);
    EXPECT_FALSE(starting->Borrow1->isEnabled());
    EXPECT_TRUE(starting->Stats1->isEnabled());
    EXPECT_TRUE(starting->Payoffs1->isEnabled());
    starting->showSideWindow = [](QDialog &) { ADD_FAILURE() << "opened while busy"; };
    starting->Borrow1Click();
    passTime(*starting, kStartUpLock);
    EXPECT_TRUE(starting->Borrow1->isEnabled());
}
