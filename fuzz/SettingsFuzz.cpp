// A settings file read by the program's settings store, and a solar system started from it:
// the clock starts within the calendar and the observer's place is a real one.
#include <QDir>
#include <cmath>

#include "FuzzSupport.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/SimTime.h"
#include "core/Simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    static const QString folder = [] {
        QDir().mkpath(FuzzScratchDirectory() + QStringLiteral("/settings/Tarnwick"));
        return FuzzScratchDirectory() + QStringLiteral("/settings");
    }();
    WriteFuzzInput(data, size, "settings/Tarnwick/Orbivale.ini");
    IniSettingsStore store(folder);
    Simulation sim(store, [] { return FuzzWallClock(); });
    sim.BuildSolarSystem();
    const SimTime now = sim.SimNow();
    FUZZ_CHECK(now >= MakeSimTime(1901, 1, 1, 0, 0, 0) && now < MakeSimTime(2100, 1, 1, 0, 0, 0));
    const double latitude = store.get(settings::Latitude),
                 longitude = store.get(settings::Longitude);
    FUZZ_CHECK(std::isfinite(latitude) && std::isfinite(longitude));
    const int fps = store.get(settings::FPS);
    FUZZ_CHECK(fps >= settings::FPS.min && fps <= settings::FPS.max);
    return 0;
}
