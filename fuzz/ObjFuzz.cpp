// A Wavefront OBJ mesh through the parser: whole triangles only, every index resolved.
#include "FuzzSupport.h"
#include "models/ObjMesh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    const auto mesh = ParseObj(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!mesh) return 0;
    FUZZ_CHECK(!mesh->vertices.empty());
    FUZZ_CHECK(mesh->vertices.size() % 3 == 0);
    return 0;
}
