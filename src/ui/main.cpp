#include "platform/QuitSignals.h"
#include "platform/Sound.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholt Slots");

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
