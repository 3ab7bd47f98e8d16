#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread, so the game can
// keep the game in progress and close its window normally instead of dying mid-write.

#include <functional>

namespace varnholt {

// Installs the handlers (once per process; a later call hands the signals to its own onQuit
// instead). onQuit runs in the event loop, once per signal received. Returns false when the
// signals could not be routed there.
bool routeQuitSignals(std::function<void()> onQuit);

} // namespace varnholt
