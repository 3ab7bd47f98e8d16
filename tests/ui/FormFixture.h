#pragma once
// A main window on a screen of a chosen size, with its program folder and saved-game file in a
// private temporary folder, a fixed random seed and messages recorded instead of shown.

#include "TestForm1.h"

#include "platform/Canvas.h"
#include "records/SavedGames.h"
#include "ui/FormServices.h"
#include "ui/HistoryWindow.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::test {

// Time stands still except in a wait, which runs a hook and then jumps to its deadline
// (plus `lag`, for a machine slower than the frames ask).
class TestClock final : public Clock {
public:
    std::int64_t GetTickCount() const override { return now; }
    void waitUntil(std::int64_t deadline) override
    {
        waits.push_back(deadline - now);
        if (duringWait)
            duringWait();
        if (deadline > now)
            now = deadline + lag;
    }

    std::int64_t now = 5000;
    std::int64_t lag = 0;
    std::vector<std::int64_t> waits;
    std::function<void()> duringWait;
};

// Start-up keeps input locked this long.
inline constexpr int kStartUpLock = 250;

struct RecordedMessage {
    QString caption, text;
    MessageIcon icon;
};

class RecordingMessages final : public MessageSink {
public:
    explicit RecordingMessages(std::vector<RecordedMessage> &log) : log_(log) {}
    void show(QWidget *, const QString &caption, const QString &text, MessageIcon icon) override
    {
        log_.push_back({caption, text, icon});
    }

private:
    std::vector<RecordedMessage> &log_;
};

// The files shipped beside the program, in the source tree.
inline QString besideAssetsDir() { return QString(VARNHOLT_TEST_DATA) + "/../../assets/beside"; }

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApp();
        ASSERT_TRUE(programDir.isValid());
    }

    std::string programPath() const { return (programDir.path() + "/varnholt-slots").toStdString(); }
    std::string savedPath() const { return (programDir.path() + "/saves/varnholt-slots.ini").toStdString(); }

    // Puts a file of the shipped ones beside the program.
    void shipBeside(const QString &name)
    {
        ASSERT_TRUE(QFile::copy(besideAssetsDir() + "/" + name, programDir.path() + "/" + name))
            << name.toStdString();
    }

    FormServices testServices(int width, int height, double ratio = 1.0, int ppi = 96)
    {
        FormServices services;
        services.screen = [=] { return ScreenInfo{width, height, ppi, ratio}; };
        services.messages = std::make_unique<RecordingMessages>(messages);
        services.programPath = programPath();
        services.savedGamePath = savedPath();
        services.seed = 20261207u;
        services.today = [] { return CalendarDate{2026, 12, 7}; };
        // The window's code linked in; its module is loaded by the tests that say so.
        services.historyWindow = [](QWidget *parent) { return new HistoryWindow(parent); };
        return services;
    }

    // The game in progress the next window starts with, as an earlier run left it.
    void saveCurrentGame(const SavedFields &fields)
    {
        GameState state;
        static_cast<SavedFields &>(state) = fields;
        const SavedGameFile file{savedPath(), [] { return CalendarDate{2026, 12, 7}; }};
        ASSERT_TRUE(SaveLoadGame(file, state, kCurrentGameSlot, true, "").ok());
    }
    // The same, from the defaults with a few fields changed.
    void saveCurrentGameWith(const std::function<void(SavedFields &)> &change)
    {
        SavedFields fields;
        change(fields);
        saveCurrentGame(fields);
    }

    std::unique_ptr<TestForm1> makeForm(int width, int height, double ratio = 1.0, int ppi = 96)
    {
        return std::make_unique<TestForm1>(testServices(width, height, ratio, ppi));
    }

    // A window on a clock that only moves when told to.
    std::unique_ptr<TestForm1> makeClockedForm(FormServices services)
    {
        auto clockOwned = std::make_unique<TestClock>();
        clock = clockOwned.get();
        services.clock = std::move(clockOwned);
        return std::make_unique<TestForm1>(std::move(services));
    }
    // The same, past its start-up lock.
    std::unique_ptr<TestForm1> makeStartedForm(FormServices services)
    {
        auto form = makeClockedForm(std::move(services));
        passTime(*form, kStartUpLock);
        return form;
    }
    std::unique_ptr<TestForm1> makeStartedForm(int width = 800, int height = 600)
    {
        return makeStartedForm(testServices(width, height));
    }

    // The clock moves on and the window's timers tick as they fall due.
    void passTime(TestForm1 &form, int milliseconds)
    {
        clock->now += milliseconds;
        form.runDueTimers();
    }

    QTemporaryDir programDir;
    std::vector<RecordedMessage> messages;
    TestClock *clock = nullptr; // the clock of the last started window
};

// Fills the canvas with a colour no picture uses, so a drawing's exact extent can be read.
inline constexpr QRgb kSentinel = 0xff010203u;

inline void fillSentinel(Canvas &canvas)
{
    canvas.fill(0, 0, canvas.size().width(), canvas.size().height(), QColor(kSentinel));
}

// The smallest rectangle holding every pixel that no longer shows the sentinel.
inline QRect changedArea(const Canvas &canvas)
{
    QRect area;
    for (int y = 0; y < canvas.size().height(); ++y)
        for (int x = 0; x < canvas.size().width(); ++x)
            if (canvas.pixel(x, y) != kSentinel)
                area |= QRect(x, y, 1, 1);
    return area;
}

// True when the canvas area equals the image (same logical size) pixel for pixel.
inline bool sameArea(const Canvas &canvas, const QRect &area, const QImage &expected)
{
    const QImage actual = canvas.grab(area);
    return actual.convertToFormat(QImage::Format_RGB32) == expected.convertToFormat(QImage::Format_RGB32);
}

} // namespace varnholt::test
