#include "platform/GameTimer.h"

#include "platform/Clock.h"

namespace varnholt {

GameTimer::GameTimer(int interval, bool enabled) : interval_(interval), enabled_(enabled)
{
    // Coarse timers may fire up to 5 % early or late; the lamp and ball phases are timed.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (clock_)
            dueAt_ = clock_->GetTickCount() + interval_;
        tick();
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

void GameTimer::followClock(const Clock &clock)
{
    clock_ = &clock;
    dueAt_ = clock.GetTickCount() + interval_;
}

void GameTimer::runDueTick()
{
    // Ticks missed while the loop was held up come as one, as the event loop delivers them.
    dueAt_ += interval_;
    if (clock_ && dueAt_ <= clock_->GetTickCount())
        dueAt_ = clock_->GetTickCount() + interval_;
    tick();
}

void GameTimer::tick()
{
    if (enabled_ && OnTimer)
        OnTimer();
}

void GameTimer::apply()
{
    if (clock_)
        dueAt_ = clock_->GetTickCount() + interval_;
    // A zero interval stops the timer rather than firing on every pass of the event loop.
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace varnholt
