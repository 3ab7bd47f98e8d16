// How long the manual's viewer takes from a manual file to a page on screen, the whole page laid
// out, for the costliest manuals the viewer's limits let through.

#include "HostileManuals.h"
#include "platform/HelpViewer.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

using namespace varnholt;

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "ManualLayoutBench";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void layOut(benchmark::State &state, const std::string &page)
{
    application();
    QTemporaryDir dir;
    const QString path = dir.filePath("game.hlp");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(page.data(), static_cast<qint64>(page.size()));
    file.close();
    if (!manualLayoutProblem(page).empty()) {
        state.SkipWithError("the page is refused, not laid out");
        return;
    }
    for (auto _ : state) {
        HelpViewerHolder holder;
        HelpViewer &viewer = holder.show(path, 0);
        QTextDocument *document = viewer.browser().document();
        // The last block's place needs everything above it laid out.
        const QRectF last = document->documentLayout()->blockBoundingRect(document->lastBlock());
        benchmark::DoNotOptimize(last);
        benchmark::DoNotOptimize(viewer.grab());
    }
    state.counters["bytes"] = static_cast<double>(page.size());
}

const int registered = [] {
    for (const auto &[name, page] : test::worstManuals())
        benchmark::RegisterBenchmark(("ManualLayout/" + name).c_str(), layOut, page)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    return 0;
}();

} // namespace
