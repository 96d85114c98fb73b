// An objects file through the loader, then each object's picture turned and copied on the
// objects sheet as the star field does. Every object kept fits the sheet.
#include <QDir>
#include <cmath>

#include "FuzzSupport.h"
#include "render/PixelFormat.h"
#include "render/Surface.h"
#include "sky/StarCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    static const QString folder = [] {
        const QString path = FuzzScratchDirectory() + QStringLiteral("/objects");
        QDir().mkpath(path);
        return path + QLatin1Char('/');
    }();
    WriteFuzzInput(data, size, "objects/Objects.txt");
    sky::StarCatalogue catalogue;
    catalogue.Load(folder, 7.0f);
    FUZZ_CHECK(catalogue.starCount() == 0);
    // A narrow strip of the 512-pixel sheet keeps each run quick; the rectangles are the
    // file's own.
    static Surface sheet(PixelFormat::Xrgb8888(), 96, 512);
    for (const sky::SkyObject& o : catalogue.objects()) {
        FUZZ_CHECK(o.width > 0 && o.height > 0 && o.top >= 0);
        FUZZ_CHECK(std::int64_t(o.top) + o.height <= 512 && o.width <= 512);
        FUZZ_CHECK(o.slotCount >= 0 && o.slotCount <= 32);
        FUZZ_CHECK(std::isfinite(o.size) && o.zone < 24 * 18 + 1);
        if (sheet.StartDrawing(true)) {
            sheet.DrawRotated(37, 0, o.top, o.width, o.height, o.width, o.top);
            sheet.StopDrawing();
        }
    }
    return 0;
}
