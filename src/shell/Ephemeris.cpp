#include "shell/Ephemeris.h"

#include "core/Body.h"
#include "core/Simulation.h"
#include "core/Text.h"
#include "shell/CommandLine.h"
#include "shell/Session.h"

void WriteEphemeris(const Simulation& sim, QTextStream& out) {
    out << "name,kind,x_km,y_km,z_km\n";
    for (const Body* body : sim.bodies()) {
        const Ecliptic p = body->heliocentric();
        out << FormatText("%s,%d,%.3f,%.3f,%.3f\n", qUtf8Printable(body->name()),
                          KindNumber(body->Kind()), p.x, p.y, p.z);
    }
    out.flush();
}

int RunEphemeris(const CommandLine& cl, QTextStream& out) {
    Session session(cl);
    session.BuildSolarSystem();
    session.simulation().UpdateSimulation();
    WriteEphemeris(session.simulation(), out);
    return 0;
}
