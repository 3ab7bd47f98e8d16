#pragma once
// The millisecond tick source and the waits that pace every animation. A wait serves the event
// loop (timers, paints, input) until its deadline and sleeps in between: it never spins.

#include <QElapsedTimer>

#include <cstdint>

namespace varnholt {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; never goes backwards.
    virtual std::int64_t GetTickCount() const = 0;
    // Serves pending events until GetTickCount() reaches deadline (returns at once if it has).
    virtual void waitUntil(std::int64_t deadline) = 0;
};

// The real clock: monotonic time, waiting in a nested event loop.
class SystemClock final : public Clock {
public:
    SystemClock();
    std::int64_t GetTickCount() const override;
    void waitUntil(std::int64_t deadline) override;

private:
    QElapsedTimer elapsed_; // monotonic
};

// Waits the given number of seconds while the event loop runs.
void Delay(Clock &clock, double seconds);

} // namespace varnholt
