#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "core/SettingsStore.h"
#include "scene/Scene.h"
#include "sky/SkyData.h"
#include "sky/SkyMath.h"
#include "sky/StarFieldSurface.h"

namespace {

// Every star to magnitude 10, looking at the densest part of the Milky Way at 800 x 600.
struct Sky {
    sky::SkyData data;
    scene::Scene scene{800, 600};
    scene::Vec3 forward = sky::RaDecToWorld(17.76, -29.0);
    Sky() {
        MemorySettingsStore settings;
        settings.writeInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 0);
        sky::LoadStarData(data, settings, QStringLiteral(ORBIVALE_DATA_DIR));
        data.drawConstellations = true;
        scene.camera()->setOrientation(scene.root().get(), forward,
                                       sky::EquatorialToWorld({0, 1, 0}));
    }
};

struct NullSink : scene::PrimitiveSink {
    std::size_t points = 0;
    void drawPoints(std::span<const scene::PrimitiveVertex> p) override { points += p.size(); }
    void drawLines(std::span<const scene::PrimitiveVertex> p) override { points += p.size(); }
    void drawScreenPoints(std::span<const scene::PrimitiveVertex> p) override {
        points += p.size();
    }
    void drawScreenLines(std::span<const scene::PrimitiveVertex> p) override { points += p.size(); }
};

void BM_StarPassPrimitives(benchmark::State& state) {
    Sky s;
    sky::StarField field(s.data.catalogue, s.data.constellations);
    field.setVisualCutOff(10.0f);
    field.setDrawConstellations(true);
    NullSink sink;
    for (auto _ : state) field.DrawWithPrimitives(s.scene.viewport(), s.forward, sink, nullptr);
    state.counters["stars"] = s.data.catalogue.starCount();
    state.counters["drawn"] = field.stats().drawn;
}
BENCHMARK(BM_StarPassPrimitives)->Unit(benchmark::kMillisecond);

void BM_StarPassSurface(benchmark::State& state) {
    Sky s;
    sky::StarField field(s.data.catalogue, s.data.constellations);
    field.setVisualCutOff(10.0f);
    field.setDrawConstellations(true);
    sky::StarPictures pictures;
    pictures.Load(QStringLiteral(ORBIVALE_MEDIA_DIR "/"));
    Surface target(QImage(800, 600, QImage::Format_RGB32));
    for (auto _ : state) {
        target.image().fill(Qt::black);
        sky::DrawStarFieldOnSurface(field, s.data.catalogue, s.scene.viewport(), s.forward, target,
                                    pictures);
    }
    state.counters["drawn"] = field.stats().drawn;
}
BENCHMARK(BM_StarPassSurface)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
