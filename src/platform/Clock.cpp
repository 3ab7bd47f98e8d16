#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace varnholt {

SystemClock::SystemClock() { elapsed_.start(); }

std::int64_t SystemClock::GetTickCount() const { return elapsed_.elapsed(); }

void SystemClock::waitUntil(std::int64_t deadline)
{
    // A nested loop ended by a precise single-shot timer: events are served while it sleeps.
    while (true) {
        const std::int64_t remaining = deadline - GetTickCount();
        if (remaining <= 0)
            return;
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int(remaining));
        // -1: the application is quitting and no loop can run any more; waiting on would spin.
        if (loop.exec() == -1)
            return;
    }
}

void Delay(Clock &clock, double seconds)
{
    const std::int64_t start = clock.GetTickCount();
    const std::int64_t deadline = start + std::int64_t(std::llround(seconds * 1000.0));
    clock.waitUntil(deadline);
}

} // namespace varnholt
