#pragma once
// A window timer with an enabled flag and a millisecond interval. Ticks arrive through the event
// loop, so they never interrupt a handler; they come while a handler waits on the loop.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace varnholt {

class Clock;

class GameTimer {
public:
    GameTimer(int interval, bool enabled);

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Changing the interval restarts the count, so the next tick comes that long from now.
    void setInterval(int interval);

    // The tick handler.
    std::function<void()> OnTimer;

    // Keeps count of when the next tick falls due on this clock, one interval after the timer
    // starts, so that a clock that stands still between waits can still drive the ticks.
    void followClock(const Clock &clock);
    std::int64_t dueAt() const { return dueAt_; }
    // Runs the tick that has fallen due; the next one falls due an interval later.
    void runDueTick();

private:
    void apply();
    void tick();

    QTimer timer_;
    int interval_;
    bool enabled_;
    const Clock *clock_ = nullptr;
    std::int64_t dueAt_ = 0;
};

} // namespace varnholt
