#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "maps/GalileanPositions.h"
#include "maps/JupiterEvents.h"
#include "maps/JupiterMoonsPainter.h"
#include "maps/JupiterPicture.h"

namespace {

void BM_GalileanPositions(benchmark::State& state) {
    SimTime t = MakeSimTime(2026, 12, 8, 22, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GalileanPositions(t));
        t += 60;
    }
}
BENCHMARK(BM_GalileanPositions);

// What the window does on every redraw for its events list: 48 hours of all four moons.
void BM_EventsForTheNext48Hours(benchmark::State& state) {
    SimTime t = MakeSimTime(2026, 12, 8, 22, 0, 0);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto events = JupiterEventFinder::Find(t);
        found = events.size();
        benchmark::DoNotOptimize(events.data());
        t += 3600;
    }
    state.counters["events"] = double(found);
}
BENCHMARK(BM_EventsForTheNext48Hours)->Unit(benchmark::kMicrosecond);

// Both views of a large window: plan view 900 x 720 and the Earth view strip.
void BM_PaintBothViews(benchmark::State& state) {
    const JupiterPicture planet(
        JupiterPicture::FromMediaFolder(QStringLiteral(ORBIVALE_MEDIA_DIR)));
    const JupiterMoonsPainter painter(planet);
    QImage plan(900, 720, QImage::Format_RGB32);
    QImage earth(900, 64, QImage::Format_RGB32);
    const JupiterViewOptions options{true, true};
    SimTime t = MakeSimTime(2026, 12, 8, 22, 0, 0);
    for (auto _ : state) {
        const GalileanConfiguration moons = GalileanPositions(t);
        painter.PaintPlanView(plan, moons, options);
        painter.PaintEarthView(earth, JupiterViewGeometry(plan.size()), moons, options);
        t += 60;
    }
}
BENCHMARK(BM_PaintBothViews)->Unit(benchmark::kMicrosecond);

// A new planet picture, made when the window changes size.
void BM_PlanetPictureFromTheMap(benchmark::State& state) {
    const JupiterPicture planet(
        JupiterPicture::FromMediaFolder(QStringLiteral(ORBIVALE_MEDIA_DIR)));
    const int size = int(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(planet.Render(QSize(size, size)));
}
BENCHMARK(BM_PlanetPictureFromTheMap)->Arg(15)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text drawing needs an application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
