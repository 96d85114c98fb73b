#pragma once

#include <QString>

#include "sky/Constellations.h"
#include "sky/StarCatalogue.h"

class SettingsStore;

namespace sky {

// The catalogue and the constellations, loaded once at start-up and kept for the run.
struct SkyData {
    StarCatalogue catalogue;
    Constellations constellations;
    bool drawConstellations = false;
};

// The limit for "LoadLimitMag" (tenths below magnitude 10; 0..50, default 30 gives 7.0).
float LoadLimitMagnitude(const SettingsStore& settings);
// Loads the stars and objects to the limit, reads "DrawConstellations", then the figures
// and boundaries.
void LoadStarData(SkyData& sky, const SettingsStore& settings, const QString& dataDirectory);

}  // namespace sky
