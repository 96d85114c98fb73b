#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/Body.h"
#include "core/Ecliptic.h"

class Simulation;

namespace sky {

// The sky view draws the first eleven bodies of the body list: the Sun, the planets and the
// Moon as the solar system is assembled.
constexpr int kSkyBodyCount = 11;

struct SkyBody {
    int listPosition = 0;
    QString name;
    BodyKind kind = BodyKind::Planet;
    std::uint32_t mapColour = 0;  // 0x00BBGGRR
    Ecliptic heliocentric;        // km
    bool isEarth = false;
};

// What the sky view needs of the solar system at one moment.
struct SkySolarSystem {
    std::vector<SkyBody> bodies;
    Ecliptic earth;                   // the Earth's position, km from the Sun
    std::vector<Ecliptic> earthPath;  // the Earth's orbit, 360 samples
};

SkySolarSystem CollectSkyBodies(const Simulation& sim);

// The apparent visual magnitude of the Sun, the Moon or a planet seen from the Earth (the
// usual almanac formulas in distance and phase angle); none for other bodies.
std::optional<double> ApparentMagnitude(const SkyBody& body, const Ecliptic& earth);

}  // namespace sky
