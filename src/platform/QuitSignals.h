#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread, so the game can
// keep the game in progress and close its window normally instead of dying mid-write. A
// deadline the user-interface thread cannot hold back makes sure a signal always ends the
// program, even when that thread is stuck.

#include <chrono>
#include <functional>

namespace varnholt {

// Installs the handlers (once per process; a later call hands the signals to its own onQuit
// instead). onQuit runs in the event loop, once per signal received. Returns false when the
// signals could not be routed there.
bool routeQuitSignals(std::function<void()> onQuit);

// From the first quit signal on, the program ends within `deadline`: if it is still running
// then, it ends at once, and says on the standard error stream that the game in progress could
// not be kept unless gameInProgressKept() came first. Once per process, after routeQuitSignals().
bool armQuitDeadline(std::chrono::milliseconds deadline);

// Tells the deadline that the game in progress is safe: a program still busy ending when the
// deadline passes then ends without a word.
void gameInProgressKept();

// The line the deadline writes, for the tests.
inline constexpr char kGameNotKeptLine[] =
    "The game in progress could not be kept: the program did not answer the signal in time.";

} // namespace varnholt
