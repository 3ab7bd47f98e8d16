#include "FormFixture.h"

#include "platform/Canvas.h"
#include "play/Spin.h"
#include "presentation/MachineFace.h"
#include "records/SavedGames.h"
#include "ui/FormServices.h"

#include "TestDoubles.h"
#include "TestWindows.h"

#include <QFile>

namespace varnholt::test {

QString besideAssetsDir() { return QString(VARNHOLT_TEST_DATA) + "/../../assets/beside"; }

void FormTest::SetUp()
{
    testApp();
    ASSERT_TRUE(programDir.isValid());
}

std::string FormTest::programPath() const { return (programDir.path() + "/varnholt-slots").toStdString(); }
std::string FormTest::savedPath() const
{
    return (programDir.path() + "/saves/varnholt-slots.ini").toStdString();
}

void FormTest::shipBeside(const QString &name)
{
    ASSERT_TRUE(QFile::copy(besideAssetsDir() + "/" + name, programDir.path() + "/" + name))
        << name.toStdString();
}

FormServices FormTest::testServices(int width, int height, double ratio, int ppi)
{
    FormServices services;
    services.screen = [=] { return ScreenInfo{width, height, ppi, ratio}; };
    services.messages = std::make_unique<RecordingMessages>(messages);
    services.programPath = programPath();
    services.savedGamePath = savedPath();
    services.seed = 20261207u;
    services.today = [] { return CalendarDate{2026, 12, 7}; };
    // The window's code linked in; its module is loaded by the tests that say so.
    services.historyWindow = [](QWidget *parent) { return new TestHistoryWindow(parent); };
    return services;
}

void FormTest::saveCurrentGame(const SavedFields &fields)
{
    GameState state;
    static_cast<SavedFields &>(state) = fields;
    const SavedGameFile file{savedPath(), [] { return CalendarDate{2026, 12, 7}; }};
    ASSERT_TRUE(SaveLoadGame(file, state, kCurrentGameSlot, true, "").ok());
}

void FormTest::saveCurrentGameWith(const std::function<void(SavedFields &)> &change)
{
    SavedFields fields;
    change(fields);
    saveCurrentGame(fields);
}

std::unique_ptr<TestForm1> FormTest::makeForm(int width, int height, double ratio, int ppi)
{
    return std::make_unique<TestForm1>(testServices(width, height, ratio, ppi));
}

std::unique_ptr<TestForm1> FormTest::makeClockedForm(FormServices services)
{
    auto clockOwned = std::make_unique<TestClock>();
    clock = clockOwned.get();
    services.clock = std::move(clockOwned);
    return std::make_unique<TestForm1>(std::move(services));
}

std::unique_ptr<TestForm1> FormTest::makeClockedForm(int width, int height)
{
    return makeClockedForm(testServices(width, height));
}

std::unique_ptr<TestForm1> FormTest::makeStartedForm(FormServices services)
{
    auto form = makeClockedForm(std::move(services));
    passTime(*form, kStartUpLock);
    return form;
}

std::unique_ptr<TestForm1> FormTest::makeStartedForm(int width, int height)
{
    return makeStartedForm(testServices(width, height));
}

void FormTest::passTime(TestForm1 &form, int milliseconds)
{
    clock->now += milliseconds;
    form.runDueTimers();
}

std::vector<QString> FormTest::messageTexts() const
{
    std::vector<QString> texts;
    for (const RecordedMessage &m : messages)
        texts.push_back(m.text);
    return texts;
}

QRect buttonLamps(const TestForm1 &form) { return form.face().scaledRect(577, 293, 655, 491); }
QRect titlePanel(const TestForm1 &form) { return form.face().scaledRect(247, 98, 549, 241); }
QRect nudgeButtons(const TestForm1 &form) { return form.face().scaledRect(252, 243, 552, 263); }

QRect wildCell(const TestForm1 &form)
{
    const Layout &l = form.face().layout();
    return QRect(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop + form.game().WildRow * l.SymbolSize, l.SymbolSize,
                 l.SymbolSize);
}

std::unique_ptr<TestForm1> PlayTest::makePlayForm(int width, int height)
{
    auto wavesOwned = std::make_unique<RecordingWaves>();
    RecordingWaves &recording = *wavesOwned;
    waves = wavesOwned.get();
    FormServices services = testServices(width, height);
    services.wavePlayer = std::move(wavesOwned);
    auto form = makeStartedForm(std::move(services));
    const TestForm1 *shown = form.get();
    recording.framesDrawn = [shown] { return int(shown->reelFrameTicks().size()); };
    waves->played.clear();
    return form;
}

bool PlayTest::changesWithin(TestForm1 &form, const QRect &area, int milliseconds)
{
    form.runDueTimers();
    const QImage before = form.canvas().grab(area);
    passTime(form, milliseconds);
    return form.canvas().grab(area) != before;
}

void PlayTest::forceStops(TestForm1 &form, std::array<int, 3> stops)
{
    form.reseedRandom(seedForStops(form.face().layout().BlurStripHeight, stops));
}

void fillSentinel(Canvas &canvas)
{
    canvas.fill(0, 0, canvas.size().width(), canvas.size().height(), QColor(kSentinel));
}

QRect changedArea(const Canvas &canvas)
{
    QRect area;
    for (int y = 0; y < canvas.size().height(); ++y)
        for (int x = 0; x < canvas.size().width(); ++x)
            if (canvas.pixel(x, y) != kSentinel)
                area |= QRect(x, y, 1, 1);
    return area;
}

bool sameArea(const Canvas &canvas, const QRect &area, const QImage &expected)
{
    const QImage actual = canvas.grab(area);
    return actual.convertToFormat(QImage::Format_RGB32) == expected.convertToFormat(QImage::Format_RGB32);
}

} // namespace varnholt::test
