// A short-texts file read into a built solar system, as at start-up.
#include "FuzzSupport.h"
#include "core/SettingsStore.h"
#include "core/SimTime.h"
#include "core/Simulation.h"

namespace {
struct World {
    MemorySettingsStore settings;
    Simulation sim{settings, [] { return MakeSimTime(2010, 6, 1, 0, 0, 0); }};
    World() { sim.BuildSolarSystem(); }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    static World world;
    for (Body* b : world.sim.bodies()) b->setShortText(QString());
    world.sim.ReadShortTexts(WriteFuzzInput(data, size, "OVShorts.dat"));
    qsizetype total = 0;
    for (Body* b : world.sim.bodies()) total += b->shortText().size();
    // Nothing is made up: the texts come from the file's characters.
    FUZZ_CHECK(total <= qsizetype(size));
    return 0;
}
