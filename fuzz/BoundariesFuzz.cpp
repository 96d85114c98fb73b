// A constellation boundary file through the parser: every point is a unit direction in a
// real zone, or a break.
#include <cmath>

#include "FuzzSupport.h"
#include "sky/Constellations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    sky::Constellations c;
    c.ParseBoundaries(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(int(c.boundaries().size()) <= sky::Constellations::kMaxBoundaryPoints);
    for (const sky::BoundaryPoint& p : c.boundaries()) {
        if (p.zone == sky::BoundaryPoint::kBreak) continue;
        FUZZ_CHECK(p.zone >= 0 && p.zone < 24 * 18 + 1);
        const double r = std::hypot(p.direction[0], p.direction[1], p.direction[2]);
        FUZZ_CHECK(std::abs(r - 1) < 1e-3);
    }
    return 0;
}
