#include <benchmark/benchmark.h>

#include <QApplication>

#include "support/RenderWorld.h"

namespace {

// The start view: 10 radii from Mars on its sunny side, at 800 x 600.
void BM_RenderStartView(benchmark::State& state) {
    RenderWorld world(QStringLiteral(ORBIVALE_MEDIA_DIR));
    if (!world.device) {
        state.SkipWithError("no OpenGL device");
        return;
    }
    world.MoveTo("Mars", Where::SunnySide, "10");
    world.Render(800, 600);
    int frames = 0;
    for (auto _ : state) {
        world.sim.UpdateSimulation();
        benchmark::DoNotOptimize(world.Render(800, 600));
        ++frames;
    }
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderStartView)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QSurfaceFormat::setDefaultFormat(ProgramSurfaceFormat());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
