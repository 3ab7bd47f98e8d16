#include "platform/FocusStyle.h"
#include "platform/MusicCache.h"
#include "platform/QuitSignals.h"
#include "platform/Sound.h"
#include "ui/AppIdentity.h"
#include "ui/FormServices.h"
#include "ui/Translations.h"
#include "ui/Unit1.h"
#include "ui/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>

namespace {

// Options are read before anything talks to a window system, so --help and --version work over
// ssh, in a chroot and for man-page generators. Exits for those and for a bad option.
void handleCommandLine(int argc, char **argv)
{
    QCoreApplication parsing(argc, argv);
    varnholt::installTranslations(parsing, QCoreApplication::applicationDirPath());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A three-reel casino slot machine."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(parsing);
}

// While the window system is being reached Qt's messages are held back: when it cannot be
// reached Qt ends with abort() after several lines of plugin detail, and the player gets one
// plain line and exit status 1 instead. Once connected, the held messages are printed as usual.
QStringList heldMessages;

void holdStartMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages << qFormatLogMessage(type, context, text);
        return;
    }
    const bool named = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    std::fprintf(stderr, "varnholt-slots: %s\n",
                 named
                     ? "cannot open a window: the display named by DISPLAY or WAYLAND_DISPLAY does not answer"
                     : "cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void releaseStartMessages()
{
    qInstallMessageHandler(nullptr);
    for (const QString &line : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(line));
    heldMessages.clear();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(varnholt::kAppName);
    QCoreApplication::setApplicationVersion(varnholt::programVersion());
    handleCommandLine(argc, argv);

    qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    releaseStartMessages();
    // Again: the translators went with the application that parsed the command line.
    varnholt::installTranslations(app, QCoreApplication::applicationDirPath());
    QApplication::setStyle(new varnholt::FocusStyle); // the application owns it
    // The task bar and switcher match the window to its desktop entry and show its icon.
    QGuiApplication::setDesktopFileName(varnholt::kAppId);
    QApplication::setWindowIcon(varnholt::appIcon());

    varnholt::FormServices services;
    services.programPath = QCoreApplication::applicationFilePath().toStdString();
    services.wavePlayer = varnholt::makeSdlWavePlayer();
    services.midiPlayer = varnholt::makeFluidMidiPlayer(
        true, {varnholt::musicCacheFolder(),
               QCoreApplication::applicationDirPath().toStdString() + "/varnholt-slots-music"});
    varnholt::TForm1 form(std::move(services));

    // Ending by signal or with the desktop session still keeps the game in progress; a save that
    // fails then is told on the standard error stream, since no one may be there to click.
    varnholt::routeQuitSignals([&form] {
        form.closeBySignal();
        // Once the game is kept, nothing holds the program: not a side window, nor the message
        // box of a close by hand whose save failed. A play under way closes when it is over.
        if (form.gameKept()) {
            varnholt::gameInProgressKept();
            QCoreApplication::exit(0);
        }
    });
    // Whatever the window is busy with (a file that will not load, a page that will not lay
    // out), a signal ends the program soon; the most it costs is the spin not yet kept.
    varnholt::armQuitDeadline(std::chrono::seconds(2));
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.saveGameInProgress(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, [&form] {
        form.closeBySignal();
        if (form.gameKept())
            varnholt::gameInProgressKept();
    });

    form.show();
    return app.exec();
}
