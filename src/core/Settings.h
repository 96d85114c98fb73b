#pragma once

// Every setting the program keeps, in one table: section, key, the default a reader gets
// when nothing (or nothing readable) is stored, and for numbers the range the value is held
// to (an integer outside it reads as the nearest end, or as the default where so marked).
// Read and write them through SettingsStore::get and SettingsStore::set.
//
// Window placements ("Left", "Top", ... under a section per window) and the recent-file
// list are keyed by window and by position; WindowPlacement and RecentFiles own them.

namespace settings {

struct Bool {
    const char* section;
    const char* key;
    bool def;
};

// What a stored integer outside its range reads as.
enum class OutOfRange { Clamp, Default };

struct Int {
    const char* section;
    const char* key;
    int def;
    int min;
    int max;
    OutOfRange outOfRange = OutOfRange::Clamp;
};

struct Real {
    const char* section;
    const char* key;
    double def;
    double min;
    double max;
};

struct Text {
    const char* section;
    const char* key;
    const char* def;
};

// The renderer descriptions stored in DirectX/3DDevice.
inline constexpr const char* kSoftwareRendererDescription = "Mesa llvmpipe Software Rasteriser";
inline constexpr const char* kSoftwareRendererName = "Software Rasteriser";
inline constexpr const char* kHardwareRendererDescription = "OpenGL Hardware Acceleration";
inline constexpr const char* kHardwareRendererName = "Hardware OpenGL";

// --- Simulation ------------------------------------------------------------------------
inline constexpr Bool ShowSmallMoons{"Simulation", "ShowSmallMoons", true};
inline constexpr Int AmbientLight{"Simulation", "AmbientLight", 10, 0, 100};
inline constexpr Real Latitude{"Simulation", "Latitude", 53.0, -90.0, 90.0};
inline constexpr Real Longitude{"Simulation", "Longitude", 0.0, -180.0, 180.0};
inline constexpr Int Timezone{"Simulation", "Timezone", 0, -28, 28};  // half hours
inline constexpr Int DST{"Simulation", "DST", 0, -180, 180};          // minutes
inline constexpr Text Location{"Simulation", "Location", "Manchester"};
// Seconds between simulated and real time at start; beyond the calendar (1901-2099) it is
// ignored, so the range is the calendar's span.
inline constexpr Real TimeOffset{"Simulation", "TimeOffset", 0.0, -4.0e9, 4.0e9};
inline constexpr Int Speed{"Simulation", "Speed", 1, -86400, 86400};
inline constexpr Int DetailLevel{"Simulation", "DetailLevel", 1, 0, 2};
inline constexpr Int FPS{"Simulation", "FPS", 4, 0, 9, OutOfRange::Default};
inline constexpr Int LoadLimitMag{"Simulation", "LoadLimitMag", 30, 0, 50};
inline constexpr Int VisualCutOff{"Simulation", "VisualCutOff", 100, 0, 100};  // tenths
inline constexpr Bool DrawConstellations{"Simulation", "DrawConstellations", false};
inline constexpr Text InitialObject{"Simulation", "InitialObject", "Mars"};
// Places the planets and the Moon by ERFA's theories instead of the orbit elements.
inline constexpr Bool PreciseEphemeris{"Simulation", "PreciseEphemeris", false};

// --- Observer location (besides Location, Latitude, Longitude, Timezone and DST above) ----
// The current location's IANA time zone, whose rules then set the daylight-saving shift;
// empty: the shift stays as "DST" says.
inline constexpr Text TimezoneName{"Simulation", "TimezoneName", ""};

// --- Control (the Viewer Controls' options) -----------------------------------------------
inline constexpr Bool AllowMouseLook{"Control", "AllowMouseLook", true};
inline constexpr Bool InvertMouse{"Control", "InvertMouse", false};
inline constexpr Bool InvertKeyboard{"Control", "InvertKeyboard", false};
inline constexpr Bool JoystickEnabled{"Control", "JoystickEnabled", false};
inline constexpr Bool InvertJoystickThrottle{"Control", "InvertJoystickThrottle", true};

// --- DirectX (the render device) --------------------------------------------------------
inline constexpr Text Media{"DirectX", "Media", ""};  // empty: the DX folder beside the program
inline constexpr Text Device3D{"DirectX", "3DDevice", kSoftwareRendererDescription};
inline constexpr Bool MipmapAutoGenerate{"DirectX", "MipmapAutoGenerate", false};
inline constexpr Bool UseOurTextures{"DirectX", "UseOurTextures", false};
inline constexpr Bool StarsUseDrawPrim{"DirectX", "StarsUseDrawPrim", true};
inline constexpr Int MaxTextureSize{"DirectX", "MaxTextureSize", 0, 0, 1 << 16};  // 0: no cap

// --- MapView (the solar system map) -----------------------------------------------------
inline constexpr Bool DrawPlanetOrbits{"MapView", "DrawPlanetOrbits", true};
inline constexpr Bool DrawMoonOrbits{"MapView", "DrawMoonOrbits", true};

// --- SkyView (the sky view and its options dialog) ---------------------------------------
inline constexpr Bool SkyDrawGrid{"SkyView", "DrawGrid", true};
inline constexpr Bool SkyDrawConstellations{"SkyView", "DrawConstellations", true};
inline constexpr Bool SkyDrawBoundaries{"SkyView", "DrawBoundaries", true};
inline constexpr Bool SkyDrawEcliptic{"SkyView", "DrawEcliptic", true};
inline constexpr Bool SkyDrawStarNames{"SkyView", "DrawStarNames", true};
inline constexpr Bool SkyDrawGreekNames{"SkyView", "DrawGreekNames", true};
inline constexpr Bool SkyDrawFlamsteedNames{"SkyView", "DrawFlamsteedNames", false};
inline constexpr Bool SkyDrawConstellationNames{"SkyView", "DrawConstellationNames", true};
inline constexpr Bool SkyDrawPlanetNames{"SkyView", "DrawPlanetNames", true};
inline constexpr Bool SkyDrawHorizon{"SkyView", "DrawHorizon", true};
// Tenths of a magnitude: the options dialog's track bars run 0..70 and 0..110.
inline constexpr Int SkyFaintestStarName{"SkyView", "FaintestStarName", 30, 0, 70};
inline constexpr Int SkyFaintestStarShow{"SkyView", "FaintestStarShow", 65, 0, 110};
// Hundredths of a second (0 stops the timer); the update speed menu's longest is a minute.
inline constexpr Int SkyRedrawInterval{"SkyView", "RedrawInterval", 3000, 0, 6000};
inline constexpr Bool SkyAllowMouseLook{"SkyView", "AllowMouseLook", true};

// --- General and Encyclopedia -----------------------------------------------------------
inline constexpr Text SaveLocation{"General", "SaveLocation", ""};  // empty: per-user folder
inline constexpr Text EncyclopediaLocation{"Encyclopedia", "Location", ""};  // empty: installed

// --- MapView (the Jupiter's moons window; its moon orbits box shares DrawMoonOrbits) -----
inline constexpr Bool JupiterShowLabels{"MapView", "ShowLabels", false};

// --- Tutorials ---------------------------------------------------------------------------
// The narrator's voice is off; its balloon still shows every line.
inline constexpr Bool MuteNarrator{"Tutorials", "MuteNarrator", false};

}  // namespace settings
