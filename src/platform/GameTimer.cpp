#include "platform/GameTimer.h"

namespace varnholt {

GameTimer::GameTimer(int interval, bool enabled) : interval_(interval), enabled_(enabled)
{
    // Coarse timers may fire up to 5 % early or late; the lamp and ball phases are timed.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (enabled_ && OnTimer)
            OnTimer();
    });
    apply();
}

void GameTimer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    apply();
}

void GameTimer::setInterval(int interval)
{
    interval_ = interval;
    apply();
}

void GameTimer::apply()
{
    // A zero interval stops the timer rather than firing on every pass of the event loop.
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace varnholt
