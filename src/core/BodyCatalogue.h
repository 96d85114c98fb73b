#pragma once

#include <array>
#include <cstdint>

#include "core/ElementTable.h"

// What the orbit records leave out: names, sizes and colours (0x00BBGGRR).
struct PlanetInfo {
    const char* name;
    std::uint32_t colour;
    double equatorialRadius;  // km
    double polarRadius;       // km
};

// Radii in km along the body's own axes: x across its orbit, y its spin axis, z towards its
// parent (the long axis of a moon that keeps one face to its planet).
struct MoonInfo {
    const char* name;
    std::uint32_t colour;
    double rx, ry, rz;
    bool small;  // under 50 km mean radius: left out when "ShowSmallMoons" is off
};

namespace BodyCatalogue {
const std::array<PlanetInfo, ElementTable::kPlanetCount>& Planets();
// One per moon record but the trailing one.
const std::array<MoonInfo, ElementTable::kMoonRecordCount - 1>& Moons();

constexpr const char* kSunName = "Sun";
constexpr std::uint32_t kSunColour = 0xAFFDFD;
constexpr double kSunRadius = 695000.0;
constexpr const char* kMoonName = "Moon";
constexpr std::uint32_t kMoonColour = 0x8A8A8A;
constexpr double kMoonRadius = 1737.4;

// Saturn's main rings (C ring inner edge to A ring outer edge).
constexpr const char* kRingsName = "SaturnRings";
constexpr std::uint32_t kRingsColour = 0x9CB4C8;
constexpr double kRingsInnerRadius = 74658.0;
constexpr double kRingsOuterRadius = 136775.0;
}  // namespace BodyCatalogue
