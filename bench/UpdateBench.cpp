#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "viewer/Camera.h"

namespace {

// The whole assembled system with the camera, its bodies placed by the orbit elements
// (argument 0) or by ERFA's theories (1); the wall clock is driven by the benchmark.
struct World {
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    Simulation sim{store, [this] { return wall; }};
    CameraControls controls;
    Camera camera{sim, controls};
    explicit World(std::int64_t precise) {
        Services::instance().setDataDirectory(QStringLiteral("/nonexistent"));
        sim.SetEphemerisModel(precise ? EphemerisModel::Precise : EphemerisModel::Elements);
        sim.BuildSolarSystem();
        sim.UpdateSimulation();
        camera.MoveCameraTo(sim.FindBody(QStringLiteral("Mars")), Where::SunnySide);
    }
};

void BM_UpdateSimulationTweenerHit(benchmark::State& state) {
    World w(state.range(0));
    double step = 0;
    for (auto _ : state) {
        // 50 ms a step at real time: always inside every body's 100 s window but the first.
        w.wall += 0.05;
        step += 0.05;
        if (step >= 99) {
            state.PauseTiming();
            w.wall += 1;  // cross the window edge outside the timed part
            w.sim.UpdateSimulation();
            step = 0;
            state.ResumeTiming();
        }
        w.sim.UpdateSimulation();
    }
}
BENCHMARK(BM_UpdateSimulationTweenerHit)->ArgName("precise")->Arg(0)->Arg(1);

void BM_UpdateSimulationTweenerMissed(benchmark::State& state) {
    World w(state.range(0));
    for (auto _ : state) {
        w.wall += 101;  // every body recomputes its orbit twice
        w.sim.UpdateSimulation();
    }
}
BENCHMARK(BM_UpdateSimulationTweenerMissed)->ArgName("precise")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
