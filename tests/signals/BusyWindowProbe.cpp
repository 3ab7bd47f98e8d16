// A program whose user-interface thread is stuck on purpose after start-up, with the game's quit
// signals and deadline, for the quit deadline's test.
//   quit_deadline_probe busy|answering
// Writes "ready" once the signals are routed. "answering" ends on the signal as the game does.

#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <thread>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool busy = argc > 1 && std::strcmp(argv[1], "busy") == 0;
    varnholt::routeQuitSignals([] {
        varnholt::gameInProgressKept();
        QCoreApplication::exit(0);
    });
    varnholt::armQuitDeadline(std::chrono::seconds(2));
    QTimer::singleShot(0, [busy] {
        std::printf("ready\n");
        std::fflush(stdout);
        // Stuck as on a file that never finishes loading: the event loop never runs again.
        while (busy)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    });
    return app.exec();
}
