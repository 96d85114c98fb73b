#include "sky/SkyData.h"

#include <algorithm>

#include "core/SettingsStore.h"

namespace sky {

float LoadLimitMagnitude(const SettingsStore& settings) {
    const int tenths = std::clamp(settings.readInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 30), 0, 50);
    return 10.0f - 0.1f * tenths;
}

void LoadStarData(SkyData& sky, const SettingsStore& settings, const QString& dataDirectory) {
    sky.catalogue.Load(dataDirectory, LoadLimitMagnitude(settings));
    sky.drawConstellations = settings.readBool(QStringLiteral("Simulation"), QStringLiteral("DrawConstellations"), false);
    sky.constellations.Load(dataDirectory);
}

}  // namespace sky
