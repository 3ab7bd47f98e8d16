// Painting speed of the machine face at a 1600-wide layout: the complete repaint, and one frame
// of the spin animation (the blurred strip drawn into all three reel windows).

#include "core/GameState.h"
#include "platform/Canvas.h"
#include "presentation/FacePictures.h"
#include "presentation/MachineFace.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

using namespace varnholt;

namespace {

void ensureApplication()
{
    static QApplication *app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "FaceBench";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

struct Face1600 {
    Canvas canvas;
    std::unique_ptr<MachineFace> face;
    explicit Face1600(double ratio)
    {
        ensureApplication();
        FacePictures pictures = loadFacePictures("", "Vrn");
        SizedPictures sized = LoadSymbolPictures(pictures, "", "Vrn", 1600, ratio);
        canvas = Canvas(QSize(sized.layout.Scale(800), sized.layout.Scale(600)), ratio);
        face = std::make_unique<MachineFace>(canvas, std::move(pictures), std::move(sized), 96);
    }
};

void BM_FormPaint(benchmark::State &state)
{
    Face1600 f(double(state.range(0)));
    GameState game;
    for (auto _ : state) {
        f.face->FormPaint(game);
        benchmark::DoNotOptimize(f.canvas.image().constBits());
    }
}
// Process CPU: Qt may hand large image work to its worker threads.
BENCHMARK(BM_FormPaint)->Arg(1)->Arg(2)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_ReelFrame(benchmark::State &state)
{
    Face1600 f(double(state.range(0)));
    const int strip = f.face->layout().BlurStripHeight;
    const int step = f.face->Scale(61);
    int offsets[3] = {0, strip / 3, 2 * strip / 3};
    for (auto _ : state) {
        for (int reel = 0; reel < 3; ++reel) {
            f.face->DrawBlurFrame(reel, offsets[reel]);
            offsets[reel] -= step;
            if (offsets[reel] < 0)
                offsets[reel] += strip;
        }
        benchmark::DoNotOptimize(f.canvas.image().constBits());
    }
}
BENCHMARK(BM_ReelFrame)->Arg(1)->Arg(2)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace
