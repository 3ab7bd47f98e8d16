// Started by check-wayland.sh inside a headless Wayland compositor: builds the game's window as
// the program does, on Qt's Wayland plugin, and checks that the compositor shows it at the size
// fitted to the screen less its panel (the window cannot place itself there) and that a spin plays.
//   wayland_start_probe SAVED_GAME_FILE SCREEN_WIDTH SCREEN_HEIGHT
#include "geometry/Layout.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "ui/FormServices.h"

#include "TestForm1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QWindow>

#include <cstdio>

using namespace varnholt;

namespace {

int failures = 0;

void check(bool ok, const QString &what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
        ++failures;
    }
}

// Runs the event loop until `done` holds or a generous bound for a loaded machine passes.
template <typename Done> bool waitFor(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

QString sizeText(QSize size) { return QString("%1 x %2").arg(size.width()).arg(size.height()); }

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: wayland_start_probe SAVED_GAME_FILE SCREEN_WIDTH SCREEN_HEIGHT\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != "wayland") {
        std::fprintf(stderr, "FAIL: Qt chose the %s plugin, not wayland\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    const QSize screenSize(QString(argv[2]).toInt(), QString(argv[3]).toInt());

    FormServices services;
    services.programPath = QCoreApplication::applicationFilePath().toStdString();
    services.savedGamePath = argv[1];
    services.seed = 7;
    services.wavePlayer = makeSilentWavePlayer();
    services.midiPlayer = makeSilentMidiPlayer();
    TestForm1 form(std::move(services));
    form.show();

    check(QGuiApplication::primaryScreen()->geometry().size() == screenSize,
          "the screen is " + sizeText(QGuiApplication::primaryScreen()->geometry().size()));
    check(waitFor([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }),
          "the compositor never showed the window");
    // The start sound unlocks input; by then any decoration has been fitted as well.
    check(waitFor([&] { return !form.busy(); }), "input stayed locked");

    const QSize expected = outerWindowArea(form.requestedSize(), primaryScreenFreeArea()).size();
    // weston's panel, 32 px, is on: the whole window fits beside it, title bar included.
    constexpr int kWestonPanel = 32;
    check(form.frameGeometry().height() + kWestonPanel <= screenSize.height(),
          "the window with its frame is " + sizeText(form.frameGeometry().size()) +
              ", taller than the room beside the panel");
    // The face is laid out for the room left beside the panel and the title bar, so the window
    // cuts no more of it than a window that fills an X11 screen does.
    const int titleBar = form.frameGeometry().height() - form.height();
    check(form.ScreenHeight + titleBar + kWestonPanel <= screenSize.height() &&
              form.ScreenWidth == layoutWidthForScreen(screenSize.width(), form.ScreenHeight),
          QString("the face is laid out for %1 x %2").arg(form.ScreenWidth).arg(form.ScreenHeight));
    check(form.frameGeometry().size() == expected, "the window with its frame is " +
                                                       sizeText(form.frameGeometry().size()) + ", not " +
                                                       sizeText(expected));
    check(form.windowHandle()->geometry().size() == form.size(),
          "the compositor shows " + sizeText(form.windowHandle()->geometry().size()) + " of " +
              sizeText(form.size()));

    const std::int32_t spins = form.game().Spins, bets = form.game().TotalBets;
    form.FormKeyDown('M'); // three coins; the third spins, and the spin plays out in here
    check(form.game().Spins == spins + 1,
          QString("%1 spins after one, from %2").arg(form.game().Spins).arg(spins));
    check(form.game().TotalBets == bets + 3,
          QString("bets %1 after three coins from %2").arg(form.game().TotalBets).arg(bets));
    check(form.frameGeometry().size() == expected,
          "the spin resized the window to " + sizeText(form.frameGeometry().size()));

    // On request, a picture of the compositor's screen for a person to look at.
    if (const QByteArray shot = qgetenv("VARNHOLT_WAYLAND_SCREENSHOT"); !shot.isEmpty()) {
        QProcess shooter;
        shooter.start(QString::fromLocal8Bit(shot), {});
        // The picture is an extra: a compositor that does not answer must not hold the check up.
        if (!shooter.waitForFinished(30000)) {
            std::fprintf(stderr, "the screenshot was not taken\n");
            shooter.kill();
            shooter.waitForFinished();
        }
    }
    form.close();
    return failures > 0;
}
