// What one spin costs on the game's thread with the History window open on a full history: the
// record written, the window's figures, and the window shown them. Target: well under 2 ms.

#include "HistoryBenchData.h"
#include "history/PlayHistory.h"
#include "ui/HistoryView.h"
#include "ui/HistoryWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

using namespace varnholt;
using namespace varnholt::bench;

namespace {

QApplication &app()
{
    static QApplication *instance = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "HistoryWindowBench";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *instance;
}

} // namespace

static void SpinWithTheWindowShowing(benchmark::State &state)
{
    app();
    const std::filesystem::path folder = freshFolder();
    {
        PlayHistory history((folder / "bench.sqlite").string(), [](const std::string &) { std::abort(); });
        SpinRecord spin = fillHistory(history);
        HistoryWindow window;
        window.show();
        window.showHistory(historyViewOf(history, "Bench", spin.timeMs));
        for (auto _ : state) {
            spin.timeMs += 3000;
            spin.lineWin = spin.timeMs % 5 == 0 ? 4 : 0;
            history.recordSpin(spin);
            window.showHistory(historyViewOf(history, "Bench", spin.timeMs));
            QApplication::processEvents(); // the chart's repaint
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SpinWithTheWindowShowing)->Unit(benchmark::kMillisecond);
