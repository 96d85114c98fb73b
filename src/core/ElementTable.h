#pragma once

#include <array>
#include <span>

#include "core/OrbitalElements.h"
#include "core/SimTime.h"

// The orbit records: the nine planets Mercury to Pluto, an all-zero record, the Earth's
// Moon, then 61 moon records grouped by parent (Mars 2, Jupiter 16, Saturn 18, Uranus 15,
// Neptune 8, Pluto 1) and a trailing record with a = 0 that is not a body.
namespace ElementTable {
constexpr int kPlanetCount = 9;
constexpr int kMoonRecordCount = 61;
constexpr int kEarth = 2;

std::span<const OrbitalElements, kPlanetCount> Planets();
const OrbitalElements& Luna();
std::span<const OrbitalElements, kMoonRecordCount> Moons();
// Index of the planet a moon record orbits (0 Mercury .. 8 Pluto), -1 for the trailing record.
int MoonParent(int moonRecord);
}  // namespace ElementTable

// The three element epochs: 1997-08-20, 2000-01-01 and 2002-06-01, 00:00 UT.
struct ElementEpochs {
    std::array<SimTime, 3> epochs{};
    void fill();
    SimTime at(int index) const;
};
