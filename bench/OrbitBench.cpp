#include <benchmark/benchmark.h>

#include "core/ElementTable.h"
#include "core/Kepler.h"
#include "core/Luna.h"
#include "core/Planetoid.h"
#include "core/PreciseEphemeris.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"

namespace {

void BM_PlanetPositionFromElements(benchmark::State& state) {
    const OrbitalElements& mars = ElementTable::Planets()[3];
    SimTime t = MakeSimTime(2026, 12, 8, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(KeplerPosition(t, 0, mars));
        t += 1;
    }
}
BENCHMARK(BM_PlanetPositionFromElements);

void BM_MoonPositionFromTheory(benchmark::State& state) {
    SimTime t = MakeSimTime(2026, 12, 8, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarPosition(t));
        t += 1;
    }
}
BENCHMARK(BM_MoonPositionFromTheory);

// ERFA's theories, one call each: a planet (argument: 0 Mercury .. 7 Neptune, 2 the Earth's
// own series) and the Moon.
void BM_PrecisePlanet(benchmark::State& state) {
    const int planet = static_cast<int>(state.range(0));
    SimTime t = MakeSimTime(2026, 12, 8, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PreciseEphemeris::Planet(planet, t));
        t += 1;
    }
}
BENCHMARK(BM_PrecisePlanet)->Arg(3)->Arg(2);

void BM_PreciseMoon(benchmark::State& state) {
    SimTime t = MakeSimTime(2026, 12, 8, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PreciseEphemeris::Moon(t));
        t += 1;
    }
}
BENCHMARK(BM_PreciseMoon);

void BM_TweenerHit(benchmark::State& state) {
    MemorySettingsStore store;
    Simulation sim(store);
    const OrbitalElements& e = ElementTable::Planets()[3];
    const SimTime t0 = MakeSimTime(2026, 12, 8, 0, 0, 0);
    auto mars = CreateBody<Planetoid>(t0, sim.bodyScene(), QStringLiteral("Mars"), 0u, 3396.2,
                                      3376.2, e, sim.epochs().at(e.epochIndex), nullptr);
    mars->CalculatePosition(t0);
    double dt = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mars->CalculatePosition(t0 + dt));
        dt = dt > 99 ? 0 : dt + 0.5;
    }
}
BENCHMARK(BM_TweenerHit);

}  // namespace

BENCHMARK_MAIN();
