// A constellation figure file through the parser, each figure walked into its strokes.
#include <cmath>

#include "FuzzSupport.h"
#include "sky/Constellations.h"
#include "sky/SkyMath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    sky::Constellations c;
    c.ParseFigures(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(int(c.figures().size()) <= sky::Constellations::kMaxFigures);
    for (const sky::ConstellationFigure& f : c.figures()) {
        FUZZ_CHECK(sky::InSkyRange(f.labelRa, f.labelDec));
        FUZZ_CHECK(int(f.stars.size()) <= sky::Constellations::kMaxEntries);
        sky::WalkFigure(f, [](int from, int to) { FUZZ_CHECK(from >= 0 && to >= 0); });
    }
    return 0;
}
