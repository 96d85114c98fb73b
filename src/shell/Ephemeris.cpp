#include "shell/Ephemeris.h"

#include <cmath>

#include "core/Body.h"
#include "core/Simulation.h"
#include "core/Text.h"
#include "shell/CommandLine.h"
#include "shell/Session.h"
#include "sky/SkyProjection.h"

namespace {

// Three decimals without "-0.000", and a bearing that never prints as 360.000.
double Rounded(double value) {
    const double r = std::round(value * 1000) / 1000;
    return r == 0 ? 0.0 : r;
}
double RoundedBearing(double bearing) {
    const double r = Rounded(bearing);
    return r >= 360 ? 0.0 : r;
}

}  // namespace

void WriteEphemeris(const Simulation& sim, QTextStream& out) {
    out << "name,kind,x_km,y_km,z_km,alt_deg,az_deg\n";
    const Observer& observer = sim.observer();
    const Ecliptic earth = sim.earth() ? sim.earth()->heliocentric() : Ecliptic{};
    for (const Body* body : sim.bodies()) {
        // Where the observer sees it, by the sky view's own reckoning; the azimuth as an
        // almanac gives it, from north through east.
        const Ecliptic p = body->heliocentric();
        const sky::Horizontal h = sky::ObserverHorizontal(
            p - earth, sim.SimNow(), observer.latitude, observer.longitude, sim.ephemerisModel());
        out << FormatText("%s,%d,%.3f,%.3f,%.3f,%.3f,%.3f\n", qUtf8Printable(body->name()),
                          KindNumber(body->Kind()), p.x, p.y, p.z, Rounded(h.altitude),
                          RoundedBearing(sky::CompassBearing(h.azimuth)));
    }
    out.flush();
}

int RunEphemeris(const CommandLine& cl, QTextStream& out) {
    Session session(cl);
    if (!session.FindCommandLineLocation()) return 2;
    session.BuildSolarSystem();
    session.simulation().UpdateSimulation();
    WriteEphemeris(session.simulation(), out);
    return 0;
}
