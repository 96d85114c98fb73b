#include "sky/SkyViewSettings.h"

#include "core/SettingsStore.h"
#include "sky/SkyMath.h"

namespace sky {

SkyViewSettings SkyViewSettings::Read(const SettingsStore& store) {
    SkyViewSettings s;
    s.drawGrid = store.get(settings::SkyDrawGrid);
    s.drawConstellations = store.get(settings::SkyDrawConstellations);
    s.drawBoundaries = store.get(settings::SkyDrawBoundaries);
    s.drawEcliptic = store.get(settings::SkyDrawEcliptic);
    s.drawStarNames = store.get(settings::SkyDrawStarNames);
    s.drawGreekNames = store.get(settings::SkyDrawGreekNames);
    s.drawFlamsteedNames = store.get(settings::SkyDrawFlamsteedNames);
    s.drawConstellationNames = store.get(settings::SkyDrawConstellationNames);
    s.drawPlanetNames = store.get(settings::SkyDrawPlanetNames);
    s.drawHorizon = store.get(settings::SkyDrawHorizon);
    s.faintestStarName = store.get(settings::SkyFaintestStarName);
    s.faintestStarShow = store.get(settings::SkyFaintestStarShow);
    s.redrawInterval = store.get(settings::SkyRedrawInterval);
    s.allowMouseLook = store.get(settings::SkyAllowMouseLook);
    return s;
}

void SkyViewSettings::Write(SettingsStore& store) const {
    store.set(settings::SkyDrawGrid, drawGrid);
    store.set(settings::SkyDrawConstellations, drawConstellations);
    store.set(settings::SkyDrawBoundaries, drawBoundaries);
    store.set(settings::SkyDrawEcliptic, drawEcliptic);
    store.set(settings::SkyDrawStarNames, drawStarNames);
    store.set(settings::SkyDrawGreekNames, drawGreekNames);
    store.set(settings::SkyDrawFlamsteedNames, drawFlamsteedNames);
    store.set(settings::SkyDrawConstellationNames, drawConstellationNames);
    store.set(settings::SkyDrawPlanetNames, drawPlanetNames);
    store.set(settings::SkyDrawHorizon, drawHorizon);
    store.set(settings::SkyFaintestStarName, faintestStarName);
    store.set(settings::SkyFaintestStarShow, faintestStarShow);
    store.set(settings::SkyRedrawInterval, redrawInterval);
    store.set(settings::SkyAllowMouseLook, allowMouseLook);
}

std::uint8_t SkyViewSettings::nameLimit() const {
    return MagIndex(faintestStarName * 0.1);
}

std::uint8_t SkyViewSettings::showLimit() const {
    return MagIndex(faintestStarShow * 0.1);
}

const std::array<SkyUpdateSpeed, 8>& SkyUpdateSpeeds() {
    static const std::array<SkyUpdateSpeed, 8> speeds = {{
        {"Don't Update", 0},
        {".25 Second", 25},
        {"1 Second", 100},
        {"2 Seconds", 200},
        {"5 Seconds", 500},
        {"10 Seconds", 1000},
        {"30 Seconds", 3000},
        {"1 Minute", 6000},
    }};
    return speeds;
}

int CheckedUpdateSpeed(int intervalMs) {
    const auto& speeds = SkyUpdateSpeeds();
    for (std::size_t i = 0; i < speeds.size(); ++i)
        if (speeds[i].tag == intervalMs / 10) return static_cast<int>(i);
    return -1;
}

}  // namespace sky
