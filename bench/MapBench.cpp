#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "core/Body.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "maps/MapPresets.h"
#include "maps/MapRenderer.h"
#include "maps/SmallPictureCache.h"

namespace {

// The assembled system on 8 December 2026 with the map at 1024 x 768, orbits and labels on.
struct MapWorld {
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    Simulation sim{store, [this] { return wall; }};
    SmallPictureCache pictures;
    MapRenderer renderer{sim, pictures};
    MapGeometry geometry;
    QImage picture;

    explicit MapWorld(MapPreset preset) {
        Services::instance().setDataDirectory(QStringLiteral("/nonexistent"));
        Services::instance().setMediaDirectory(QStringLiteral(ORBIVALE_MEDIA_DIR));
        sim.BuildSolarSystem();
        sim.UpdateSimulation();
        geometry.Resize(1024, 768);
        const MapPresetInfo& info = MapPresets::Info(preset);
        const Ecliptic at = MapPresets::CentreBody(sim, info.centre)->heliocentric();
        geometry.SetMapView(at.x, at.y, info.halfSize);
    }
};

void FullRedraw(benchmark::State& state, MapPreset preset) {
    MapWorld w(preset);
    std::size_t drawn = 0;
    for (auto _ : state) {
        const MapHitList hits =
            w.renderer.Draw(w.picture, w.geometry, {}, w.sim.camera().position, 0);
        drawn = hits.size();
        benchmark::DoNotOptimize(w.picture.constBits());
    }
    state.counters["bodies_drawn"] = static_cast<double>(drawn);
}

void BM_MapWholeSolarSystem(benchmark::State& state) {
    FullRedraw(state, MapPreset::WholeSolarSystem);
}
BENCHMARK(BM_MapWholeSolarSystem)->Unit(benchmark::kMillisecond);

void BM_MapJupiterSystem(benchmark::State& state) {
    FullRedraw(state, MapPreset::JupiterSystem);
}
BENCHMARK(BM_MapJupiterSystem)->Unit(benchmark::kMillisecond);

void BM_MapGalileanSatellites(benchmark::State& state) {
    FullRedraw(state, MapPreset::GalileanSatellites);
}
BENCHMARK(BM_MapGalileanSatellites)->Unit(benchmark::kMillisecond);

void BM_MapInnerSaturnSystem(benchmark::State& state) {
    FullRedraw(state, MapPreset::InnerSaturnSystem);
}
BENCHMARK(BM_MapInnerSaturnSystem)->Unit(benchmark::kMillisecond);

}  // namespace

// Labels need fonts, so a GUI application, without a display.
int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
