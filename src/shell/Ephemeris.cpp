#include "shell/Ephemeris.h"

#include "core/Body.h"
#include "core/Simulation.h"
#include "core/Text.h"

void WriteEphemeris(const Simulation& sim, QTextStream& out) {
    out << "name,kind,x_km,y_km,z_km\n";
    for (const Body* body : sim.bodies()) {
        // Stored positions are in scene axis order (x, z, y).
        out << FormatText("%s,%d,%.3f,%.3f,%.3f\n", qUtf8Printable(body->name()), KindNumber(body->Kind()),
                          body->X(), body->Z(), body->Y());
    }
    out.flush();
}

#include "core/SettingsStore.h"
#include "shell/CommandLine.h"
#include "shell/StartupPaths.h"

void ApplyCommandLineClock(Simulation& sim, const CommandLine& cl) {
    // A given instant with no speed freezes the clock, so the output is reproducible.
    if (cl.speed)
        sim.SetClockSpeed(*cl.speed);
    else if (cl.utc)
        sim.SetClockSpeed(0);
    if (cl.utc) sim.SetSimTime(*cl.utc);
}

int RunEphemeris(const CommandLine& cl, QTextStream& out) {
    IniSettingsStore settings(cl.settingsDir);
    SetUpFolders(settings);
    Simulation sim(settings);
    sim.BuildSolarSystem();
    ApplyCommandLineClock(sim, cl);
    sim.UpdateSimulation();
    WriteEphemeris(sim, out);
    return 0;
}
