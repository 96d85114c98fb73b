#include "maps/MapPresets.h"

#include <algorithm>

#include "core/Body.h"
#include "core/Simulation.h"

namespace {

// Places in the planet list (Mercury first).
enum PlanetIndex { kMars = 3, kJupiter = 4, kSaturn = 5, kUranus = 6, kNeptune = 7, kPluto = 8 };

constexpr std::array<MapPresetInfo, 12> kPresets = {{
    {MapPreset::CameraPosition, "Camera Position", PresetCentre::Camera, 0},
    {MapPreset::WholeSolarSystem, "Whole Solar System", PresetCentre::Sun, 6000000000.0},
    {MapPreset::InnerSolarSystem, "Inner Solar System", PresetCentre::Sun, 250000000.0},
    {MapPreset::Earth, "Earth", PresetCentre::Earth, 400000.0},
    {MapPreset::Mars, "Mars", PresetCentre::Mars, 35000.0},
    {MapPreset::JupiterSystem, "Jupiter System", PresetCentre::Jupiter, 25000000.0},
    {MapPreset::GalileanSatellites, "    Galilean Satellites", PresetCentre::Jupiter, 2000000.0},
    {MapPreset::SaturnSystem, "Saturn System", PresetCentre::Saturn, 13000000.0},
    {MapPreset::InnerSaturnSystem, "    Inner Saturn System", PresetCentre::Saturn, 1500000.0},
    {MapPreset::UranusSystem, "Uranus System", PresetCentre::Uranus, 650000.0},
    {MapPreset::NeptuneSystem, "Neptune System", PresetCentre::Neptune, 6000000.0},
    {MapPreset::Pluto, "Pluto", PresetCentre::Pluto, 25000.0},
}};

bool IsSolid(const Body& body) {
    const BodyKind kind = body.Kind();
    return kind == BodyKind::Sun || kind == BodyKind::Planet || kind == BodyKind::Moon;
}

}  // namespace

namespace MapPresets {

const std::array<MapPresetInfo, 12>& All() {
    return kPresets;
}

const MapPresetInfo& Info(MapPreset preset) {
    return kPresets[static_cast<std::size_t>(preset)];
}

Body* CentreBody(const Simulation& sim, PresetCentre centre) {
    switch (centre) {
        case PresetCentre::Camera:
            return nullptr;
        case PresetCentre::Sun:
            return sim.sun();
        case PresetCentre::Earth:
            return sim.earth();
        case PresetCentre::Mars:
            return sim.planet(kMars);
        case PresetCentre::Jupiter:
            return sim.planet(kJupiter);
        case PresetCentre::Saturn:
            return sim.planet(kSaturn);
        case PresetCentre::Uranus:
            return sim.planet(kUranus);
        case PresetCentre::Neptune:
            return sim.planet(kNeptune);
        case PresetCentre::Pluto:
            return sim.planet(kPluto);
    }
    return nullptr;
}

Body* BodyHoldingCamera(const CameraState& camera, const Simulation& sim) {
    for (Body* body : sim.bodies())
        if (IsSolid(*body) &&
            scene::Length(body->positionKm() - camera.position) <= body->largestRadius())
            return body;
    return nullptr;
}

double CameraHalfWidth(const CameraState& camera, const Simulation& sim) {
    // The update step never counts a body the camera is inside as the nearest (its surface
    // distance is 0), so that case is found here.
    double b = 3 * camera.nearestDistance;
    if (Body* inside = BodyHoldingCamera(camera, sim))
        b = 10 * inside->largestRadius();
    else if (camera.nearestDistance == 0 && camera.nearestBody)
        b = 10 * camera.nearestBody->largestRadius();
    return std::max(b, kCameraViewMinimum);
}

}  // namespace MapPresets
