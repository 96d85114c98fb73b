#include "diagnostics/DisplayOptions.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "core/Prompter.h"
#include "core/Services.h"
#include "core/SettingsStore.h"

namespace options {

namespace {
constexpr int kMemoryUsageMax = 2;
constexpr int kLimitingMagMax = 50;
constexpr int kBackgroundLightMax = 50;
}  // namespace

QString DefaultEncyclopediaFolder() {
    return ResourceDirectory(QStringLiteral("Encyclopedia"));
}

QString DefaultSavedPositionsFolder() {
    return QDir(Services::instance().userDataDirectory()).filePath(QStringLiteral("Saved Positions"));
}

QString SavedPositionsFolder(const SettingsStore& store) {
    const QString stored = store.get(settings::SaveLocation);
    return stored.isEmpty() ? DefaultSavedPositionsFolder() : stored;
}

bool HoldsEncyclopedia(const QString& folder) {
    return !folder.isEmpty() &&
           QFileInfo(QDir(folder).filePath(QString::fromLatin1(kEncyclopediaPage))).isFile();
}

std::optional<QString> BrowseEncyclopedia(const QString& current,
                                          const std::function<QString(const QString&)>& choose) {
    for (;;) {
        const QString picked = choose(current);
        if (picked.isEmpty()) return std::nullopt;
        if (HoldsEncyclopedia(picked)) return picked;
        if (!AskYesNo(QString::fromLatin1(kNotFoundText), QString::fromLatin1(kNotFoundTitle)))
            return picked;
    }
}

DisplayOptions DisplayOptions::Read(const SettingsStore& store, const ProgramState& state) {
    DisplayOptions o;
    o.driver = state.driver >= 0 && state.driver < state.drivers.size() ? state.driver : -1;
    o.useMipmaps = state.mipmaps;
    o.useOurTextureLoader = state.ourTextures;
    o.starsCompatMode = state.starsDrawPrim;
    o.skyHorizon = store.get(settings::SkyDrawHorizon);
    o.showSmallMoons = store.get(settings::ShowSmallMoons);
    o.precise = state.precise;
    o.initialBody =
        static_cast<int>(state.initialBodies.indexOf(store.get(settings::InitialObject)));
    o.memoryUsage = std::clamp(state.detailLevel, 0, kMemoryUsageMax);
    o.limitingMag = std::clamp(store.get(settings::LoadLimitMag), 0, kLimitingMagMax);
    o.backgroundLight = std::clamp(store.get(settings::AmbientLight), 0, kBackgroundLightMax);
    o.muteNarrator = store.get(settings::MuteNarrator);
    const QString encyclopedia = store.get(settings::EncyclopediaLocation);
    o.encyclopedia = encyclopedia.isEmpty() ? DefaultEncyclopediaFolder() : encyclopedia;
    o.storedPositions = SavedPositionsFolder(store);
    return o;
}

void DisplayOptions::Apply(SettingsStore& store, const ProgramState& state,
                           const ProgramHooks& hooks) const {
    if (hooks.setMipmaps) hooks.setMipmaps(useMipmaps);
    store.set(settings::MipmapAutoGenerate, useMipmaps);

    store.set(settings::ShowSmallMoons, showSmallMoons);
    if (initialBody >= 0 && initialBody < state.initialBodies.size())
        store.set(settings::InitialObject, state.initialBodies[initialBody]);

    const int level = std::clamp(memoryUsage, 0, kMemoryUsageMax);
    if (hooks.setDetailLevel) hooks.setDetailLevel(level);
    store.set(settings::DetailLevel, level);

    const int light = std::clamp(backgroundLight, 0, kBackgroundLightMax);
    store.set(settings::AmbientLight, light);
    if (hooks.setAmbientLight) hooks.setAmbientLight(light * 0.01);

    // The catalogue is read once at start-up, so a new limit waits for the next one.
    const int limit = std::clamp(limitingMag, 0, kLimitingMagMax);
    if (store.get(settings::LoadLimitMag) != limit)
        ShowInfo(QString::fromLatin1(kStarNoteText), QStringLiteral("Note"));
    store.set(settings::LoadLimitMag, limit);

    const bool driverListed = driver >= 0 && driver < state.drivers.size();
    if (driverListed) store.set(settings::Device3D, state.drivers[driver]);

    if (hooks.setOurTextures) hooks.setOurTextures(useOurTextureLoader);
    store.set(settings::UseOurTextures, useOurTextureLoader);

    if (hooks.setStarsDrawPrim) hooks.setStarsDrawPrim(starsCompatMode);
    store.set(settings::StarsUseDrawPrim, starsCompatMode);

    // The box shows the running model, which --precise may have chosen for this run alone:
    // only a change made here is stored.
    if (precise != state.precise) {
        store.set(settings::PreciseEphemeris, precise);
        if (hooks.setPrecise) hooks.setPrecise(precise);
    }

    // Written only when changed, like the horizon: the tours' own menu item keeps it too.
    if (store.get(settings::MuteNarrator) != muteNarrator)
        store.set(settings::MuteNarrator, muteNarrator);

    if (store.get(settings::SkyDrawHorizon) != skyHorizon) {
        store.set(settings::SkyDrawHorizon, skyHorizon);
        if (hooks.skyViewChanged) hooks.skyViewChanged();
    }

    if (driverListed && driver != state.driver) {
        const bool switched = hooks.changeDriver && hooks.changeDriver(driver);
        if (!switched) ShowInfo(QString::fromLatin1(kDriverNoteText), QStringLiteral("Note"));
    }

    store.set(settings::EncyclopediaLocation, encyclopedia);
    store.set(settings::SaveLocation, storedPositions);
}

}  // namespace options
