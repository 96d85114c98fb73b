#pragma once

#include <array>

#include "core/CameraState.h"

class Body;
class Simulation;

// The views the map's "Set Map to View..." menu offers, in menu order.
enum class MapPreset {
    CameraPosition,
    WholeSolarSystem,
    InnerSolarSystem,
    Earth,
    Mars,
    JupiterSystem,
    GalileanSatellites,
    SaturnSystem,
    InnerSaturnSystem,
    UranusSystem,
    NeptuneSystem,
    Pluto
};

// What a preset centres on; the planets by their place in the planet list.
enum class PresetCentre { Camera, Sun, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

struct MapPresetInfo {
    MapPreset preset;
    const char* caption;
    PresetCentre centre;
    double halfSize;  // km: half the picture's shorter side (unused for the camera)
};

namespace MapPresets {

const std::array<MapPresetInfo, 12>& All();
const MapPresetInfo& Info(MapPreset preset);
// The body a preset centres on, or none for the camera's view.
Body* CentreBody(const Simulation& sim, PresetCentre centre);

inline constexpr double kCameraViewMinimum = 100.0;  // km
// Half the width of the "Camera Position" view: three times the distance to the nearest
// surface, ten radii of a body the camera is inside, and never under 100 km.
double CameraHalfWidth(const CameraState& camera, const Simulation& sim);
// The solid body (Sun, planet or moon) whose sphere holds the camera, if any.
Body* BodyHoldingCamera(const CameraState& camera, const Simulation& sim);

}  // namespace MapPresets
