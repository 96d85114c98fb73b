#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyData.h"
#include "sky/SkyRenderer.h"

namespace {

// The sky from 53 N on a winter evening, facing south-east over Orion, with every layer on
// and the stars to magnitude 6.5, drawn at 1024 x 768.
struct SkyScene {
    QTemporaryDir folder;
    MemorySettingsStore settings;
    sky::SkyData data;
    std::unique_ptr<Simulation> sim;
    sky::SkyRenderer renderer{data};
    sky::SkyViewState state;
    sky::SkyViewSettings view;
    sky::SkyFonts fonts = sky::SkyFonts::Make();
    QImage picture{1024, 768, QImage::Format_RGB32};

    SkyScene() {
        sky::LoadStarData(data, settings, QStringLiteral(ORBIVALE_DATA_DIR));
        Services::instance().setDataDirectory(folder.path());
        const SimTime t = MakeSimTime(2026, 12, 20, 21, 0, 0);
        sim = std::make_unique<Simulation>(settings, [t] { return t; });
        sim->BuildSolarSystem();
        sim->SetClockSpeed(0);
        sim->SetSimTime(t);
        state.skyTime = t;
        state.azimuth = 45;
        state.altitude = 25;
        view.drawFlamsteedNames = true;  // every layer and every kind of name
        view.faintestStarShow = 65;
    }
    void Draw() {
        renderer.Draw(picture, state, view, sky::CollectSkyBodies(*sim),
                      {sim->observer().latitude, sim->observer().longitude}, fonts);
    }
};

void Report(benchmark::State& state, const SkyScene& s) {
    state.counters["stars_drawn"] = s.renderer.stats().starsDrawn;
    state.counters["labels"] = s.renderer.stats().starLabels;
    state.counters["segments"] = s.renderer.stats().figureSegments;
}

void BM_SkyRedraw(benchmark::State& state) {
    SkyScene s;
    for (auto _ : state) s.Draw();
    Report(state, s);
}
BENCHMARK(BM_SkyRedraw)->Unit(benchmark::kMillisecond);

// The widest zoom: a third of the sky on the picture.
void BM_SkyRedrawWide(benchmark::State& state) {
    SkyScene s;
    s.state.SetFieldOfView(sky::kMaxFieldOfView);
    for (auto _ : state) s.Draw();
    Report(state, s);
}
BENCHMARK(BM_SkyRedrawWide)->Unit(benchmark::kMillisecond);

// The direction strip and the tilt scale, drawn after every picture.
void BM_SkyScales(benchmark::State& state) {
    sky::SkyViewState view;
    const QFont font = sky::SkyFonts::Make().scale;
    QImage strip(1020, 28, QImage::Format_RGB32), scale(31, 764, QImage::Format_RGB32);
    for (auto _ : state) {
        sky::DrawDirectionStrip(strip, view, 1024, font);
        sky::DrawTiltScale(scale, view, 768, font);
    }
}
BENCHMARK(BM_SkyScales)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
