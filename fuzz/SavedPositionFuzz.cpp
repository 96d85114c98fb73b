// A saved position file through the reader, then onto a built solar system's clock and
// camera the way opening a position does. After any file the time is one the calendar
// covers, direction and up are unit vectors, and the camera's orientation is finite.
#include <cmath>

#include "FuzzSupport.h"
#include "core/SavedPosition.h"
#include "core/SimTime.h"
#include "core/Simulation.h"

namespace {

bool Finite(const scene::Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    Simulation& sim = FuzzSolarSystem();
    const QString path = WriteFuzzInput(data, size, "position.ov");
    const PositionContext context{
        [&](const QString& name) { return sim.FindBody(name) != nullptr; }, 10, 3};

    ViewState state;
    state.ut = MakeSimTime(2000, 1, 1, 12, 0, 0);
    if (!RestorePosition(path, context, state)) return 0;

    FUZZ_CHECK(state.ut >= MakeSimTime(1901, 1, 1, 0, 0, 0));
    FUZZ_CHECK(state.ut < MakeSimTime(2100, 1, 1, 0, 0, 0));
    FUZZ_CHECK(state.updateSpeedIndex >= 0 && state.updateSpeedIndex < 10);
    FUZZ_CHECK(state.resolutionIndex >= 0 && state.resolutionIndex < 3);
    for (const UserModelChoice& m : state.userModels) FUZZ_CHECK(sim.FindBody(m.body));
    // The orientation is one a camera can take: finite unit vectors, not parallel.
    auto unit = [](const scene::Vec3& v) {
        return Finite(v) && std::abs(scene::Length(v) - 1) < 1e-6;
    };
    FUZZ_CHECK(unit(state.direction) && unit(state.up));
    FUZZ_CHECK(scene::Length(scene::Cross(state.direction, state.up)) > 0);

    const scene::Vec3 &dir = state.direction, &up = state.up;
    if (scene::Length(dir) > 0 && scene::Length(scene::Cross(dir, up)) > 0)
        sim.scene().camera()->setOrientation(sim.scene().root().get(), dir, up);
    sim.SetSimTime(state.ut);
    const scene::Orientation o = sim.scene().camera()->orientation(sim.scene().root().get());
    FUZZ_CHECK(Finite(o.direction) && Finite(o.up));
    FUZZ_CHECK(std::isfinite(sim.SimNow()));
    return 0;
}
