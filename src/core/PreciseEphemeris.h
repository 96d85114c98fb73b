#pragma once

#include <array>

#include "core/Ecliptic.h"
#include "core/SimTime.h"

// A date as ERFA takes it, split in two parts whose sum is the Julian date; the split keeps
// the precision a single double would lose.
struct JulianDate {
    double day = 0;
    double fraction = 0;
    double value() const { return day + fraction; }
};

// Where a body is (km) and how fast it moves (km/s).
struct Motion {
    Ecliptic position;
    Ecliptic velocity;
};

// A rotation matrix, rows first.
using Rotation3 = std::array<std::array<double, 3>, 3>;

// Positions from ERFA: the planets Mercury to Neptune by their analytic theory (Simon et al.
// 1994), the Earth by its own series (eraEpv00) and the Moon by its theory (eraMoon98). Every
// position is in km, rotated from the J2000 mean equator onto the J2000 ecliptic, in the
// program's ecliptic axis order. Times are simulated UTC; the theories run on Terrestrial
// Time, UTC plus the leap seconds then in force plus 32.184 s.
class PreciseEphemeris {
  public:
    // The astronomical unit the theories are scaled by (IAU 2012), in km.
    static constexpr double kKmPerAU = 149597870.7;
    // The obliquity of the J2000 ecliptic (IAU 2006), in arcseconds.
    static constexpr double kObliquityArcsec = 84381.406;
    // The planets with a precise theory, counted as the element table counts them
    // (0 Mercury .. 7 Neptune); Pluto, 8, has none.
    static constexpr int kPlanetCount = 8;

    // UTC as a Julian date (taken for UT1 too, which stays within 0.9 s of it).
    static JulianDate Universal(SimTime t);
    // Terrestrial Time for the UTC instant t.
    static JulianDate Terrestrial(SimTime t);
    // TT - UTC in seconds: 32.184 s plus the leap seconds; before 1960, when there were
    // none, the measured difference between TT and UT.
    static double TerrestrialMinusUniversal(SimTime t);

    static bool HasTheory(int planet) { return planet >= 0 && planet < kPlanetCount; }
    // Heliocentric position of a planet with a theory (0 Mercury .. 7 Neptune), km.
    static Ecliptic Planet(int planet, SimTime t) { return PlanetMotion(planet, t).position; }
    static Motion PlanetMotion(int planet, SimTime t);
    // Geocentric position of the Moon, km.
    static Ecliptic Moon(SimTime t) { return MoonMotion(t).position; }
    static Motion MoonMotion(SimTime t);
    // An ERFA vector on the J2000 equator, turned onto the J2000 ecliptic and scaled.
    static Ecliptic FromEquatorial(const double p[3], double scale);

    // The sky of the date: precession and nutation from the J2000 equator to the true
    // equator and equinox of t (IAU 2006/2000A), and the Greenwich apparent sidereal time
    // in radians.
    static Rotation3 PrecessionNutation(SimTime t);
    static double ApparentSiderealTime(SimTime t);
};
