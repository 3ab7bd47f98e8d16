#include "platform/QuitSignals.h"
#include "platform/Sound.h"
#include "ui/AppIdentity.h"
#include "ui/Unit1.h"
#include "ui/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholt Slots");
    QApplication::setApplicationVersion(varnholt::programVersion());
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

    // Ending by signal or with the desktop session still keeps the game in progress.
    varnholt::routeQuitSignals([&form] { form.close(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.saveGameInProgress(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, [&form] { form.close(); });

    form.show();
    return app.exec();
}
