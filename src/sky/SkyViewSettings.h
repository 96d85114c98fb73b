#pragma once

#include <array>
#include <cstdint>

#include "sky/StarLabel.h"

class SettingsStore;

namespace sky {

// The sky view's settings (section "SkyView"), as the view and its options dialog hold them.
struct SkyViewSettings {
    bool drawGrid = true;
    bool drawConstellations = true;
    bool drawBoundaries = true;
    bool drawEcliptic = true;
    bool drawStarNames = true;
    bool drawGreekNames = true;
    bool drawFlamsteedNames = false;
    bool drawConstellationNames = true;
    bool drawPlanetNames = true;
    bool drawHorizon = true;
    int faintestStarName = 30;  // tenths of a magnitude
    int faintestStarShow = 65;  // tenths of a magnitude
    int redrawInterval = 3000;  // hundredths of a second; 0: no redraw timer
    bool allowMouseLook = true;

    static SkyViewSettings Read(const SettingsStore& store);
    void Write(SettingsStore& store) const;

    // The faintest star named and the faintest drawn, as magnitude indices.
    std::uint8_t nameLimit() const;
    std::uint8_t showLimit() const;
    StarLabelSwitches labelSwitches() const {
        return {drawStarNames, drawGreekNames, drawFlamsteedNames};
    }
};

// The update speed menu: its items and their tags (hundredths of a second).
struct SkyUpdateSpeed {
    const char* text;
    int tag;
};
const std::array<SkyUpdateSpeed, 8>& SkyUpdateSpeeds();
// The item to check when the menu opens for a timer interval in milliseconds (the one whose
// tag is the interval / 10), or -1.
int CheckedUpdateSpeed(int intervalMs);

}  // namespace sky
