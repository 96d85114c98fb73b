#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class SettingsStore;

namespace options {

// The texts the options dialog shows in its boxes.
inline constexpr const char* kEncyclopediaPage = "SolFrame.htm";
inline constexpr const char* kStarNoteText =
    "The change you made to the number of stars loaded\nwill take effect the next time you load "
    "Orbivale.";
inline constexpr const char* kDriverNoteText =
    "The change you made to the 3D device\nwill take effect the next time you load Orbivale.\n"
    "OpenGL settles on its driver when the program starts.";
inline constexpr const char* kNotFoundTitle = "Files not Found";
inline constexpr const char* kNotFoundText =
    "The directory you chose does not contain the Orbivale\nencyclopedia. Would you like to "
    "choose again?";

// What the running program has now: the lists the dialog offers and the switches that live
// in the program rather than only in the settings.
struct ProgramState {
    QStringList drivers;        // descriptions, in driver table order
    int driver = -1;            // the chosen one (for the next start, when that differs), or -1
    QStringList initialBodies;  // planets and moons, in body list order
    bool mipmaps = false;
    bool ourTextures = false;
    bool starsDrawPrim = true;
    int detailLevel = 1;
    bool precise = false;  // the running ephemeris model is the precise one
};

// What the program does with the choices that take effect at once.
struct ProgramHooks {
    std::function<void(bool)> setMipmaps;
    std::function<void(int)> setDetailLevel;
    std::function<void(double)> setAmbientLight;  // grey level, 0..0.5
    std::function<void(bool)> setOurTextures;
    std::function<void(bool)> setStarsDrawPrim;
    // The driver at this index becomes the chosen one; true when the running picture switched
    // to it, false when it takes effect at the next start.
    std::function<bool(int)> changeDriver;
    // The sky view's settings changed (its horizon).
    std::function<void()> skyViewChanged;
    // Switch between the orbital elements and the precise theories.
    std::function<void(bool)> setPrecise;
};

// Every control of the options dialog, as values.
struct DisplayOptions {
    // Display
    int driver = -1;
    bool useMipmaps = false;
    bool useOurTextureLoader = false;
    bool starsCompatMode = true;
    bool skyHorizon = true;
    // Simulation
    bool showSmallMoons = true;
    bool precise = false;
    int initialBody = -1;  // index into ProgramState::initialBodies, -1 for none
    int memoryUsage = 1;   // 0 High .. 2 Low
    int limitingMag = 30;  // 0..50: magnitude 10.0 down to 5.0
    // Effects
    int backgroundLight = 10;  // 0..50
    bool muteNarrator = false;  // tours show their balloons without the voice
    // Directories
    QString encyclopedia;
    QString storedPositions;

    // The controls as the settings and the program set them. Unreadable or unknown values
    // read as their defaults; a stored initial view naming no listed body selects none.
    static DisplayOptions Read(const SettingsStore& store, const ProgramState& state);

    // OK: stores every choice and applies those that act at once, in a fixed order; shows
    // the note when the number of stars loaded changes, and when the driver changes without
    // the picture switching.
    void Apply(SettingsStore& store, const ProgramState& state, const ProgramHooks& hooks) const;
};

// The folders the directory boxes show when nothing is stored.
QString DefaultEncyclopediaFolder();
QString DefaultSavedPositionsFolder();
// The stored saved-positions folder, or the default when none is stored.
QString SavedPositionsFolder(const SettingsStore& store);

// True when the folder holds the encyclopedia's front page.
bool HoldsEncyclopedia(const QString& folder);

// The encyclopedia's browse button: asks choose (starting in the current folder) for a
// folder until one holds the encyclopedia, or the user keeps one that does not; nullopt when
// the chooser is cancelled.
std::optional<QString> BrowseEncyclopedia(const QString& current,
                                          const std::function<QString(const QString&)>& choose);

}  // namespace options
