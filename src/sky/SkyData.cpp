#include "sky/SkyData.h"

#include <algorithm>

#include "core/SettingsStore.h"

namespace sky {

float LoadLimitMagnitude(const SettingsStore& settings) {
    const int tenths = settings.get(settings::LoadLimitMag);
    return 10.0f - 0.1f * tenths;
}

void LoadStarData(SkyData& sky, const SettingsStore& settings, const QString& dataDirectory) {
    sky.catalogue.Load(dataDirectory, LoadLimitMagnitude(settings));
    sky.drawConstellations = settings.get(settings::DrawConstellations);
    sky.constellations.Load(dataDirectory);
}

}  // namespace sky
