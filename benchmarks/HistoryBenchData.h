#pragma once
// What the play-history benchmarks share: a folder of their own and a full history to time.

#include "history/PlayHistory.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace varnholt::bench {

// A fresh folder among the temporary files, or under $VARNHOLT_BENCH_DIR to measure another disk.
inline std::filesystem::path freshFolder()
{
    const char *base = std::getenv("VARNHOLT_BENCH_DIR");
    std::string pattern = ((base ? std::filesystem::path(base) : std::filesystem::temp_directory_path()) /
                           "history-bench-XXXXXX")
                              .string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

// A history of kSpinRowLimit spins, three seconds apart; returns the last spin written.
inline SpinRecord fillHistory(PlayHistory &history)
{
    SpinRecord spin;
    spin.game = "Bench";
    spin.timeMs = currentTimeMs();
    for (long long i = 0; i < kSpinRowLimit; ++i) {
        spin.timeMs += 3000;
        spin.lineWin = i % 5 == 0 ? 4 : 0;
        spin.credits = 1000 + i % 50;
        history.recordSpin(spin);
    }
    return spin;
}

} // namespace varnholt::bench
