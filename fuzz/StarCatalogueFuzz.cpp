// A star catalogue file through the loader the star field and the sky view use. Every star
// kept lies on the unit sphere's scale, in a real zone, and the catalogue's numbering finds it.
#include <QDir>
#include <cmath>

#include "FuzzSupport.h"
#include "sky/SkyMath.h"
#include "sky/StarCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    static const QString folder = [] {
        const QString path = FuzzScratchDirectory() + QStringLiteral("/stars");
        QDir().mkpath(path);
        return path + QLatin1Char('/');
    }();
    WriteFuzzInput(data, size, "stars/stardata.csv");
    sky::StarCatalogue catalogue;
    catalogue.Load(folder, 7.0f);
    int n = 0;
    for (const auto& block : catalogue.blocks()) {
        FUZZ_CHECK(block->count == int(block->stars.size()));
        for (const sky::StarRecord& star : block->stars) {
            ++n;
            FUZZ_CHECK(catalogue.StarByNumber(n) == &star);
            FUZZ_CHECK(star.zone < 24 * 18 + 1);
            const double r = std::hypot(star.equatorial[0], star.equatorial[1], star.equatorial[2]);
            FUZZ_CHECK(std::abs(r - 1) < 1e-3);
            FUZZ_CHECK(std::isfinite(star.magnitude));
        }
    }
    FUZZ_CHECK(n == catalogue.starCount());
    FUZZ_CHECK(catalogue.objects().empty());
    return 0;
}
