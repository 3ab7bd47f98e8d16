#pragma once
// A window timer with an enabled flag and a millisecond interval. Ticks arrive through the event
// loop, so they never interrupt a handler; they come while a handler waits on the loop.

#include <QObject>
#include <QTimer>

#include <functional>

namespace varnholt {

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

private:
    void apply();

    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace varnholt
