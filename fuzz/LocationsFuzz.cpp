// A locations file through the reader; each place read writes out and reads back the same.
#include "FuzzSupport.h"
#include "location/LocationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    const auto places = LoadLocations(WriteFuzzInput(data, size, "Locations.dat"));
    if (!places) return 0;
    for (const NamedLocation& place : *places) {
        const QByteArray line = FormatLocationLine(place);
        const auto again = ParseLocationLine(line);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(FormatLocationLine(*again) == line);
    }
    return 0;
}
