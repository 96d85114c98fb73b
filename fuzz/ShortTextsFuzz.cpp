// A short-texts file read into a built solar system, as at start-up.
#include "FuzzSupport.h"
#include "core/Simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    Simulation& sim = FuzzSolarSystem();
    for (Body* b : sim.bodies()) b->setShortText(QString());
    sim.ReadShortTexts(WriteFuzzInput(data, size, "OVShorts.dat"));
    qsizetype total = 0;
    for (Body* b : sim.bodies()) total += b->shortText().size();
    // Nothing is made up: the texts come from the file's characters.
    FUZZ_CHECK(total <= qsizetype(size));
    return 0;
}
