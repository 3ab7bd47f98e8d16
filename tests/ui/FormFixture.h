#pragma once
// A main window on a screen of a chosen size, with its program folder and saved-game file in a
// private temporary folder, a fixed random seed and messages recorded instead of shown. The
// services, the face and the clock stay in FormFixture.cpp, so a change to them recompiles the
// fixture and not every window test.

#include "TestForm1.h"
#include "TestRecorders.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QRect>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
class Canvas;
struct FormServices;
} // namespace varnholt

namespace varnholt::test {

// Start-up keeps input locked this long.
inline constexpr int kStartUpLock = 250;

// The files shipped beside the program, in the source tree.
QString besideAssetsDir();

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::string programPath() const;
    std::string savedPath() const;

    // Puts a file of the shipped ones beside the program.
    void shipBeside(const QString &name);

    FormServices testServices(int width, int height, double ratio = 1.0, int ppi = 96);

    // The game in progress the next window starts with, as an earlier run left it.
    void saveCurrentGame(const SavedFields &fields);
    // The same, from the defaults with a few fields changed.
    void saveCurrentGameWith(const std::function<void(SavedFields &)> &change);

    std::unique_ptr<TestForm1> makeForm(int width, int height, double ratio = 1.0, int ppi = 96);
    // A window on a clock that only moves when told to.
    std::unique_ptr<TestForm1> makeClockedForm(FormServices services);
    std::unique_ptr<TestForm1> makeClockedForm(int width, int height);
    // The same, past its start-up lock.
    std::unique_ptr<TestForm1> makeStartedForm(FormServices services);
    std::unique_ptr<TestForm1> makeStartedForm(int width = 800, int height = 600);

    // The clock moves on and the window's timers tick as they fall due.
    void passTime(TestForm1 &form, int milliseconds);

    std::vector<QString> messageTexts() const;

    QTemporaryDir programDir;
    std::vector<RecordedMessage> messages;
    TestTime *clock = nullptr; // the clock of the last started window
};

// A main window whose side windows are handed to the test instead of being shown modally.
class SideWindowTest : public FormTest {
protected:
    // Opens a side window through the menu command and lets `drive` act on it while it is open.
    template <typename Window>
    void whileOpen(TestForm1 &form, void (TForm1::*command)(), const std::function<void(Window &)> &drive)
    {
        bool opened = false;
        form.showSideWindow = [&](QDialog &window) {
            auto *typed = dynamic_cast<Window *>(&window);
            ASSERT_NE(typed, nullptr);
            opened = true;
            drive(*typed);
        };
        (form.*command)();
        EXPECT_TRUE(opened);
    }
};

// Centres of the face's controls, design coordinates.
inline constexpr int kSpinX = 616, kSpinY = 322;
inline constexpr int kBet1X = 616, kBet1Y = 391;
inline constexpr int kBet3X = 616, kBet3Y = 461;
inline constexpr int kCoinSlotX = 600, kCoinSlotY = 140;
inline constexpr std::array<int, 3> kNudgeButtonX{296, 400, 504};
inline constexpr int kNudgeButtonY = 254;

// Where the lamps lie on the window's face.
QRect buttonLamps(const TestForm1 &form); // Spin, Bet 1 and Bet 3
QRect titlePanel(const TestForm1 &form);
QRect nudgeButtons(const TestForm1 &form);
// The cell of reel 3 where the Wild swings.
QRect wildCell(const TestForm1 &form);

// A main window ready to play: a clock that only moves when the game waits, sounds recorded
// with the reel frame they came in, and stops chosen by picking the seed that draws them.
class PlayTest : public FormTest {
protected:
    // A window past its start-up lock, at the given screen size, its sounds recorded.
    std::unique_ptr<TestForm1> makePlayForm(int width = 800, int height = 600);

    // Whether the area shows something else once `milliseconds` have passed.
    bool changesWithin(TestForm1 &form, const QRect &area, int milliseconds);

    // The next spin of the form stops its reels here.
    static void forceStops(TestForm1 &form, std::array<int, 3> stops);

    static void betOne(TestForm1 &form) { press(form, kBet1X, kBet1Y); }
    static void spin(TestForm1 &form) { press(form, kSpinX, kSpinY); }

    // A press at the centre of a design-coordinate button area.
    static void press(TestForm1 &form, int designX, int designY)
    {
        form.FormMouseDown(form.Scale(designX), form.Scale(designY));
    }

    SoundLog *waves = nullptr;
};

// Stops giving nothing on any row, no Wild in sight and no bonus combination.
inline constexpr std::array<int, 3> kLosingStops{1, 1, 1};
// Skull, skull, skull on the middle row: 3 credits for one coin.
inline constexpr std::array<int, 3> kSkullMiddleStops{7, 30, 1};
// Skull, skull, skull on the middle row only once reel 1 is nudged down one symbol.
inline constexpr std::array<int, 3> kSkullAfterNudgeStops{8, 30, 1};
// Gold bars, gold bars, Wild on the middle row: 250 credits and two nudges.
inline constexpr std::array<int, 3> kGoldWildStops{30, 8, 7};
// Bonus, Bonus, Bonus on the middle row.
inline constexpr std::array<int, 3> kBonusMiddleStops{8, 1, 3};

// Fills the canvas with a colour no picture uses, so a drawing's exact extent can be read.
inline constexpr QRgb kSentinel = 0xff010203u;
void fillSentinel(Canvas &canvas);
// The smallest rectangle holding every pixel that no longer shows the sentinel.
QRect changedArea(const Canvas &canvas);
// True when the canvas area equals the image (same logical size) pixel for pixel.
bool sameArea(const Canvas &canvas, const QRect &area, const QImage &expected);

} // namespace varnholt::test
