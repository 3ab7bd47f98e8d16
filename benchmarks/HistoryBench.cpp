// The cost of recording one spin in the play history, which happens once per spin on the game's
// own thread: it must stay far below a frame. Run with --benchmark_repetitions for the median.

#include "HistoryBenchData.h"
#include "history/PlayHistory.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <future>

using namespace varnholt;
using namespace varnholt::bench;

namespace {

QCoreApplication &app()
{
    static int argc = 1;
    static char name[] = "HistoryBench";
    static char *argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

} // namespace

// With a full history, so folding (once per kFoldBatch spins) is part of the measure.
static void RecordSpin(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    {
        PlayHistory history((folder / "bench.sqlite").string(), [](const std::string &) { std::abort(); });
        SpinRecord spin;
        spin.game = "Bench";
        spin.timeMs = currentTimeMs();
        for (long long i = 0; i < state.range(0); ++i) {
            ++spin.timeMs;
            history.recordSpin(spin);
        }
        for (auto _ : state) {
            spin.timeMs += 1000;
            spin.coins = 1 + spin.timeMs % 3;
            spin.lineWin = spin.timeMs % 5 == 0 ? 4 : 0;
            history.recordSpin(spin);
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(RecordSpin)->Arg(0)->Arg(kSpinRowLimit)->Unit(benchmark::kMicrosecond);

namespace {
constexpr std::size_t kWindowPoints = 500; // as the History window asks

// A full history written at `path`; returns the time of its last record.
std::int64_t filledHistoryAt(const std::string &path)
{
    PlayHistory history(path, [](const std::string &) { std::abort(); });
    return fillHistory(history).timeMs;
}
} // namespace

// What the History window pays to open on a full history: the file opened and read whole.
static void OpenAFullHistory(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    const std::string path = (folder / "bench.sqlite").string();
    const std::int64_t now = filledHistoryAt(path);
    for (auto _ : state) {
        PlayHistory history(path, [](const std::string &) { std::abort(); });
        benchmark::DoNotOptimize(history.report("Bench", now, kWindowPoints));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(OpenAFullHistory)->Unit(benchmark::kMillisecond);

// The same as the window opens it: read on a thread of its own. The CPU column is the game's
// thread alone; the time column includes the wait for the reading.
static void OpenAFullHistoryReadAside(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    const std::string path = (folder / "bench.sqlite").string();
    const std::int64_t now = filledHistoryAt(path);
    for (auto _ : state) {
        PlayHistory history(path, [](const std::string &) { std::abort(); });
        std::promise<void> read;
        std::future<void> done = read.get_future();
        history.loadReport("Bench", now, HistoryScope::AllGames, [&read] { read.set_value(); });
        done.wait();
        history.keepLoaded();
        benchmark::DoNotOptimize(history.report("Bench", now, kWindowPoints));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(OpenAFullHistoryReadAside)->Unit(benchmark::kMillisecond);

// One spin with the History window open on a full history: the record and the window's figures.
static void SpinWithTheWindowOpen(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    {
        PlayHistory history((folder / "bench.sqlite").string(), [](const std::string &) { std::abort(); });
        SpinRecord spin = fillHistory(history);
        history.report("Bench", spin.timeMs, kWindowPoints);
        for (auto _ : state) {
            spin.timeMs += 3000;
            spin.lineWin = spin.timeMs % 5 == 0 ? 4 : 0;
            history.recordSpin(spin);
            benchmark::DoNotOptimize(history.report("Bench", spin.timeMs, kWindowPoints));
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SpinWithTheWindowOpen)->Unit(benchmark::kMillisecond);

// The one spin in kFoldBatch that folds the oldest batch into days.
static void SpinThatFolds(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    {
        PlayHistory history((folder / "bench.sqlite").string(), [](const std::string &) { std::abort(); });
        SpinRecord spin;
        spin.game = "Bench";
        spin.timeMs = currentTimeMs();
        const auto record = [&](long long count) {
            for (long long i = 0; i < count; ++i) {
                spin.timeMs += 3000;
                spin.lineWin = spin.timeMs % 5 == 0 ? 4 : 0;
                history.recordSpin(spin);
            }
        };
        record(kSpinRowLimit); // full: the next spin folds
        for (auto _ : state) {
            record(1);
            state.PauseTiming();
            record(kFoldBatch); // full again
            state.ResumeTiming();
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SpinThatFolds)->Iterations(10)->Repetitions(5)->Unit(benchmark::kMillisecond);
