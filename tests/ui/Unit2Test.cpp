#include "ui/Unit2.h"

#include "TestApp.h"
#include "TestDoubles.h"
#include "TestWindows.h"

#include "core/GameState.h"
#include "platform/Canvas.h"
#include "platform/PictureLoader.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// Keeps each file's whole path, to check where the sounds are looked for.
class PathRecordingWaves final : public WavePlayer {
public:
    bool loadClip(int, const std::string &) override { return true; }
    void playClip(int) override {}
    void playFile(const std::string &path, bool wait) override { played.push_back({path, wait}); }
    std::vector<std::pair<std::string, bool>> played;
};

// Prizes with the nudges behind chest 2, as a deal might leave them.
constexpr std::array<std::int32_t, 5> kDeal{25, 1, 100, 50, 25};

class TrickFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApp();
        state.SpinWin = 7;
        state.BonusWon = 300;
        state.Nudges = 2;
    }

    std::unique_ptr<TestTrickForm> open(QSize screen = {800, 600}, std::array<std::int32_t, 5> prizes = kDeal,
                                        std::string exeDir = "/opt/varnholt/")
    {
        TrickFormSetup setup;
        setup.BonusPrizes = prizes;
        setup.ExeDir = std::move(exeDir);
        setup.screen.width = screen.width();
        setup.screen.height = screen.height();
        setup.screen.pixelsPerInch =
            120; // keep the requested size; the full-screen state follows the platform's
        return std::make_unique<TestTrickForm>(state, waves, clock, messages, setup);
    }

    GameState state;
    TestClock clock;
    std::vector<RecordedMessage> log;
    RecordingMessages messages{log};
    PathRecordingWaves waves;

    std::vector<QString> texts() const
    {
        std::vector<QString> t;
        for (const RecordedMessage &m : log)
            t.push_back(m.text);
        return t;
    }
};

// Delivers a press where the window system would: to the widget under the point.
void pressAt(QWidget &window, QPoint at)
{
    QWidget *target = window.childAt(at);
    if (!target)
        target = &window;
    const QPointF local = target->mapFrom(&window, QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

QImage snapshot(const TTrickForm &form) { return surfaceOf(form).image().copy(); }

} // namespace

// ---- Which chest a click picks ----

TEST_F(TrickFormTest, EachChestPaysItsOwnPrize)
{
    // The bottom-right corner of every chest, with a different prize behind each.
    const std::array<QPoint, 5> corners{{{206, 587}, {785, 573}, {585, 450}, {338, 462}, {474, 522}}};
    for (int chest = 1; chest <= 5; ++chest) {
        auto form = open({800, 600}, {10, 20, 30, 40, 50});
        form->Image3MouseDown(corners[chest - 1].x(), corners[chest - 1].y());
        EXPECT_EQ(form->pickedChest(), chest);
        EXPECT_EQ(creditsShown(*form), 10 * chest);
    }
}

TEST_F(TrickFormTest, ClickBetweenChestsLeavesTheGameOpen)
{
    auto form = open();
    const QImage before = snapshot(*form);
    form->Image3MouseDown(220, 380);
    EXPECT_FALSE(form->boxPicked());
    EXPECT_FALSE(form->timer1().Enabled());
    EXPECT_TRUE(waves.played.empty());
    EXPECT_EQ(snapshot(*form), before);

    form->Image3MouseDown(100, 500);
    EXPECT_EQ(form->pickedChest(), 1);
    EXPECT_EQ(form->prizeText(), "25 Credits");
}

TEST_F(TrickFormTest, LaterPicksChangeNothing)
{
    auto form = open();
    // A click on the nudge chest while the first chest is still opening, and another after.
    clock.duringWait = [&] { form->Image3MouseDown(650, 450); };
    form->Image3MouseDown(100, 500);
    const QImage afterFirst = snapshot(*form);
    form->Image3MouseDown(650, 450);

    EXPECT_EQ(form->pickedChest(), 1);
    EXPECT_EQ(form->prizeText(), "25 Credits");
    EXPECT_EQ(state.Nudges, 2);
    EXPECT_EQ(state.SpinWin, 32);
    EXPECT_EQ(waves.played.size(), 1u);
    EXPECT_EQ(snapshot(*form), afterFirst);
}

// ---- What the prize does to the game ----

TEST_F(TrickFormTest, NudgePrizeAddsSixNudgesAndNoCredits)
{
    auto form = open();
    form->Image3MouseDown(650, 450);
    EXPECT_EQ(form->pickedChest(), 2);
    EXPECT_EQ(form->prizeText(), "6 Nudges");
    EXPECT_EQ(state.Nudges, 8);
    form->Timer1Timer();
    form.reset();
    EXPECT_EQ(state.Nudges, 8);
    EXPECT_EQ(state.SpinWin, 7);
    EXPECT_EQ(state.BonusWon, 300);
}

TEST_F(TrickFormTest, CreditPrizeIsPaidOnceHoweverTheWindowEnds)
{
    // Each way out: the timer, a margin click, the window manager's close or Escape, a press
    // during the opening, and the window torn down without closing (the program quitting).
    const std::vector<std::function<void(TTrickForm &)>> endings{
        [](TTrickForm &f) { f.Timer1Timer(); },
        [](TTrickForm &f) { f.FormMouseDown(3, 3); },
        [](TTrickForm &f) { f.reject(); },
        [](TTrickForm &) {},
    };
    for (std::size_t i = 0; i < endings.size(); ++i) {
        state.SpinWin = 7;
        state.BonusWon = 300;
        auto form = open({1024, 768});
        form->Image3MouseDown(500, 400); // 100 credits
        EXPECT_EQ(state.SpinWin, 107) << i;
        EXPECT_EQ(state.BonusWon, 400) << i;
        EXPECT_TRUE(form->timer1().Enabled());

        endings[i](*form);
        form->Timer1Timer(); // a late tick or another close pays nothing more
        form->FormMouseDown(3, 3);
        EXPECT_EQ(form->result(), QDialog::Accepted) << i;
        EXPECT_FALSE(form->timer1().Enabled()) << i;
        form.reset();
        EXPECT_EQ(state.SpinWin, 107) << i;
        EXPECT_EQ(state.BonusWon, 400) << i;
    }

    // Ended during the opening: the timer is not started afterwards.
    auto form = open({1024, 768});
    clock.duringWait = [&] { form->FormMouseDown(3, 3); };
    form->Image3MouseDown(100, 500);
    EXPECT_FALSE(form->timer1().Enabled());
    EXPECT_EQ(state.SpinWin, 132);
    EXPECT_EQ(state.BonusWon, 425);
}

// ---- Before a pick ----

TEST_F(TrickFormTest, MarginClickBeforeAPickOnlyPrompts)
{
    auto form = open({1280, 1024});
    EXPECT_EQ(form->chestRoom()->pos(), QPoint(240, 212));
    form->show();

    pressAt(*form, {100, 100});
    ASSERT_EQ(texts(), std::vector<QString>{"Click on one of the Boxes!"});
    EXPECT_EQ(log[0].caption, "Varnholt Slots");
    EXPECT_EQ(log[0].icon, MessageIcon::Information);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->boxPicked());

    // The picture still takes its clicks, in picture coordinates.
    pressAt(*form, QPoint(240, 212) + QPoint(206, 587));
    EXPECT_EQ(form->pickedChest(), 1);
    EXPECT_EQ(log.size(), 1u);

    // After the pick the margin ends the game at once.
    pressAt(*form, {100, 100});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.SpinWin, 32);
}

TEST_F(TrickFormTest, ClosingBeforeAPickIsRefused)
{
    auto form = open({1024, 768});
    form->show();
    form->close();
    EXPECT_TRUE(form->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &escape);
    EXPECT_TRUE(form->isVisible());
    form->accept();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(texts(), std::vector<QString>(3, "Click on one of the Boxes!"));
    EXPECT_EQ(state.SpinWin, 7);
    EXPECT_EQ(state.BonusWon, 300);
}

TEST_F(TrickFormTest, ModalRunEndsOnlyAfterAPick)
{
    auto form = open({1024, 768});
    QTimer::singleShot(0, form.get(), [&] {
        form->close(); // refused
        pressAt(*form, QPoint(112, 84) + QPoint(100, 500));
        pressAt(*form, {5, 5});
    });
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(state.SpinWin, 32);
    EXPECT_EQ(state.BonusWon, 325);
}

// ---- Timing and sounds ----

TEST_F(TrickFormTest, SoundsAndTimersFollowThePick)
{
    auto form = open();
    EXPECT_TRUE(form->timer2().Enabled());
    EXPECT_FALSE(form->timer1().Enabled());

    form->Timer2Timer();
    EXPECT_FALSE(form->timer2().Enabled());
    ASSERT_EQ(waves.played.size(), 1u);
    EXPECT_EQ(waves.played[0].first, "/opt/varnholt/Vrn7.wav");
    EXPECT_FALSE(waves.played[0].second);

    form->Image3MouseDown(100, 500);
    ASSERT_EQ(waves.played.size(), 2u);
    EXPECT_EQ(waves.played[1].first, "/opt/varnholt/Vrn2.wav");
    EXPECT_FALSE(waves.played[1].second);
    EXPECT_EQ(clock.waits, std::vector<std::int64_t>{250});
}

TEST_F(TrickFormTest, SoundOffKeepsTheGameSilentAndPrefixNamesTheFiles)
{
    state.SoundOn = false;
    auto silent = open();
    silent->Timer2Timer();
    silent->Image3MouseDown(100, 500);
    EXPECT_TRUE(waves.played.empty());

    state.SoundOn = true;
    TrickFormSetup setup;
    setup.BonusPrizes = kDeal;
    setup.ExeDir = "/games/slots"; // no trailing separator
    setup.AssetPrefix = "Abc";
    TTrickForm form(state, waves, clock, messages, setup);
    form.Timer2Timer();
    ASSERT_EQ(waves.played.size(), 1u);
    EXPECT_EQ(waves.played[0].first, "/games/slots/Abc7.wav");
}

// ---- What the player sees ----

TEST_F(TrickFormTest, PictureIsCentredOnAnyScreen)
{
    EXPECT_EQ(open({800, 600})->chestRoom()->pos(), QPoint(0, 0));
    EXPECT_EQ(open({1920, 1080})->chestRoom()->pos(), QPoint(560, 240));
    EXPECT_EQ(open({1366, 768})->chestRoom()->pos(), QPoint(283, 84));
    EXPECT_EQ(open({640, 480})->chestRoom()->pos(), QPoint(-80, -60));
    auto form = open({1920, 1080});
    EXPECT_EQ(form->size(), QSize(1920, 1080));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(TrickFormTest, ChestOpensHalfThenWideAndShowsRedTextCentred)
{
    // Same deal but for chest 1; what differs between the two pictures is the prize text alone.
    auto credits = open({800, 600}, {25, 1, 100, 50, 25});
    QImage duringOpening;
    clock.duringWait = [&] { duringOpening = snapshot(*credits); };
    const QImage closed = snapshot(*credits);
    credits->Image3MouseDown(100, 500);
    const QImage shown = snapshot(*credits);

    auto nudges = open({800, 600}, {1, 25, 100, 50, 25});
    clock.duringWait = nullptr;
    nudges->Image3MouseDown(100, 500);
    const QImage other = snapshot(*nudges);

    // Nothing outside chest 1 changed at any step.
    const QRect chest(QPoint(15, 408), QPoint(206, 587));
    for (int y = 0; y < closed.height(); y += 3)
        for (int x = 0; x < closed.width(); x += 3)
            if (!chest.contains(x, y)) {
                ASSERT_EQ(duringOpening.pixel(x, y), closed.pixel(x, y)) << x << "," << y;
                ASSERT_EQ(shown.pixel(x, y), closed.pixel(x, y)) << x << "," << y;
            }

    // The text box as the player should see it: centred on the chest, 24 points.
    QFont font = credits->font();
    font.setPointSize(24);
    const QFontMetrics metrics(font, &shown);
    auto textBox = [&](const QString &text) {
        const int w = metrics.horizontalAdvance(text);
        const int h = metrics.height();
        return QRect(15 + 191 / 2 - w / 2, 408 + 179 / 2 - h / 2, w, h).adjusted(-2, 0, 2, 0);
    };
    const QRect box25 = textBox("25 Credits");
    const QRect box6 = textBox("6 Nudges");
    int red = 0;
    for (int y = chest.top(); y <= chest.bottom(); ++y)
        for (int x = chest.left(); x <= chest.right(); ++x) {
            if (shown.pixel(x, y) == other.pixel(x, y))
                continue;
            ASSERT_TRUE(box25.contains(x, y) || box6.contains(x, y)) << x << "," << y;
            if (shown.pixel(x, y) == qRgb(255, 0, 0))
                ++red;
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(metrics.height(), 24); // 24 points, not 24 pixels, at ordinary density
}

TEST_F(TrickFormTest, ChestShowsItsHalfOpenThenItsWideOpenPicture)
{
    const auto halfOpen = loadBuiltinPicture("box3a.jpg");
    const auto wideOpen = loadBuiltinPicture("box3b.jpg");
    if (!halfOpen || !wideOpen)
        GTEST_SKIP() << "the program has no chest pictures built in";

    auto form = open();
    QImage during;
    clock.duringWait = [&] { during = snapshot(*form); };
    form->Image3MouseDown(500, 400); // chest 3, at (485, 356)
    const QImage after = snapshot(*form);

    auto mismatches = [](const QImage &canvas, const QImage &picture, QRect allowed) {
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (canvas.pixel(485 + x, 356 + y) != (picture.pixel(x, y) | 0xff000000u) &&
                    !allowed.contains(485 + x, 356 + y))
                    ++count;
        return count;
    };
    EXPECT_EQ(mismatches(during, *halfOpen, QRect()), 0);
    // Wide open everywhere but under the prize text, which sits across the chest's middle.
    EXPECT_EQ(mismatches(after, *wideOpen, QRect(485, 356 + 20, 101, 55)), 0);
    EXPECT_GT(mismatches(after, *wideOpen, QRect()), 0);
}

TEST_F(TrickFormTest, RoomPictureBesideTheProgramReplacesTheBuiltIn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage room(800, 600, QImage::Format_RGB32);
    room.fill(QColor(20, 200, 40));
    ASSERT_TRUE(room.save(QDir(dir.path()).filePath("Bonus1.JPG"), "JPG", 95));

    auto form = open({800, 600}, kDeal, dir.path().toStdString() + "/");
    const QColor corner(surfaceOf(*form).pixel(400, 50));
    EXPECT_NEAR(corner.red(), 20, 6);
    EXPECT_NEAR(corner.green(), 200, 6);
    EXPECT_NEAR(corner.blue(), 40, 6);

    // An unreadable replacement leaves the built-in room in place.
    QFile broken(QDir(dir.path()).filePath("Bonus1.JPG"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    auto fallback = open({800, 600}, kDeal, dir.path().toStdString() + "/");
    EXPECT_NE(QColor(surfaceOf(*fallback).pixel(400, 50)).green(), QColor(corner).green());
}

// ---- Keyboard play ----

TEST_F(TrickFormTest, KeyboardAloneHighlightsPicksAndEndsWithThePrizePaid)
{
    auto form = open({1024, 768}, {10, 20, 30, 40, 50});
    const QImage room = snapshot(*form);
    const auto key = [&](int code) {
        // To the widget holding the focus, as the window system would deliver it.
        QWidget *target = form->focusWidget() ? form->focusWidget() : form.get();
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    QTimer::singleShot(0, form.get(), [&] {
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        EXPECT_EQ(form->highlightedChest(), 4) << "second from the left: the back-left chest";
        const QImage lit = snapshot(*form);
        EXPECT_NE(lit.pixel(238 + 1, 368 + 1), room.pixel(238 + 1, 368 + 1)) << "the highlight shows";
        key(Qt::Key_Left);
        EXPECT_EQ(snapshot(*form).pixel(238 + 1, 368 + 1), room.pixel(238 + 1, 368 + 1)) << "and moves on";
        key(Qt::Key_Return);
        EXPECT_EQ(form->pickedChest(), 1);
        key(Qt::Key_5); // too late
        form->Timer1Timer();
    });
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(form->pickedChest(), 1);
    EXPECT_EQ(state.SpinWin, 7 + 10);
    EXPECT_EQ(form->highlightedChest(), 0);
    EXPECT_TRUE(log.empty()) << "no prompt on the way";
}
