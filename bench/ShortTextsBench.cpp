// Start-up's reading of the bodies' short texts, for files far longer than the shipped one:
// the time should grow with the file, not with its square.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"

static void BM_ReadShortTexts(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OVShorts.dat"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        const char* names[] = {"Earth", "Mars", "Jupiter", "Moon"};
        for (int i = 0; i < state.range(0); ++i)
            f.write("%" + QByteArray(names[i % 4]) + "%A line of description number " +
                    QByteArray::number(i) + " for the info panel.\n");
    }
    MemorySettingsStore settings;
    Simulation sim(settings);
    sim.BuildSolarSystem();
    for (auto _ : state) {
        for (Body* b : sim.bodies()) b->setShortText(QString());
        sim.ReadShortTexts(path);
        benchmark::DoNotOptimize(sim.earth()->shortText().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadShortTexts)->Arg(10000)->Arg(80000)->Arg(200000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
