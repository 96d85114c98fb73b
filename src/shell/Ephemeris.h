#pragma once

#include <QTextStream>

class Simulation;

// "name,kind,x_km,y_km,z_km,alt_deg,az_deg" and one line per body in list order:
// heliocentric ecliptic km (x towards the vernal equinox, z towards the north ecliptic pole),
// then the altitude and azimuth (from north through east) for the observer, in degrees.
void WriteEphemeris(const Simulation& sim, QTextStream& out);

struct CommandLine;
// The --ephemeris mode: assembles the solar system without windows, sets the clock from the
// command line, runs one update and writes the table. Returns the exit code.
int RunEphemeris(const CommandLine& commandLine, QTextStream& out);
