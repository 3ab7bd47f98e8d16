#include "platform/QuitSignals.h"
#include "platform/Sound.h"
#include "ui/AppIdentity.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholt Slots");
    QApplication::setApplicationVersion(VARNHOLT_VERSION);
    // The task bar and switcher match the window to its desktop entry and show its icon.
    QGuiApplication::setDesktopFileName(varnholt::kAppId);
    QApplication::setWindowIcon(varnholt::appIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription("A three-reel casino slot machine.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    varnholt::FormServices services;
    services.programPath = QCoreApplication::applicationFilePath().toStdString();
    services.wavePlayer = varnholt::makeSdlWavePlayer();
    services.midiPlayer = varnholt::makeFluidMidiPlayer();
    varnholt::TForm1 form(std::move(services));

    // Ending by signal or with the desktop session still keeps the game in progress; a save that
    // fails then is told on the standard error stream, since no one may be there to click.
    varnholt::routeQuitSignals([&form] {
        form.closeBySignal();
        // Once the game is kept, nothing holds the program: not a side window, nor the message
        // box of a close by hand whose save failed. A play under way closes when it is over.
        if (form.game().Exiting)
            QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.saveGameInProgress(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, [&form] { form.closeBySignal(); });

    form.show();
    return app.exec();
}
