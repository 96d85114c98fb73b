#include "shell/ShellLogic.h"

#include <QDir>
#include <QFileInfo>

#include "core/Log.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"

namespace ShellLogic {

const std::array<UpdateSpeed, 10>& UpdateSpeeds() {
    static const std::array<UpdateSpeed, 10> speeds = {{
        {"Fast as Possible", 1},
        {"30 Frames a Second", 33},
        {"20 Frames a Second", 50},
        {"15 Frames a Second", 66},
        {"10 Frames a Second", 100},
        {"5 Frames a Second", 200},
        {"1 Frame a Second", 1000},
        {"1 Frame every 2 seconds", 2000},
        {"1 Frame every 5 seconds", 5000},
        {"1 Frame every 10 seconds", 10000},
    }};
    return speeds;
}

int StoredUpdateSpeed(const SettingsStore& settings) {
    return settings.get(settings::FPS);
}

QString PositionFolder(const SettingsStore& settings, const QString& userDataDirectory) {
    const QString chosen = settings.get(settings::SaveLocation).trimmed();
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir()) return chosen;
    // The default is made on first use, so that the first Save As starts inside it.
    const QString folder = QDir(userDataDirectory).filePath(QStringLiteral("Saved Positions"));
    if (QDir().mkpath(folder)) return folder;
    Log("Could not create the folder %s", qUtf8Printable(folder));
    return userDataDirectory;
}

void RecentFiles::Read(const SettingsStore& settings) {
    paths_.clear();
    for (int n = 1; n <= kCount; ++n) {
        const QString p = settings.readText(QStringLiteral("General"),
                                            QStringLiteral("FileList%1").arg(n), QString());
        if (!p.isEmpty()) paths_ << p;
    }
}

void RecentFiles::Write(SettingsStore& settings) const {
    for (int n = 1; n <= kCount; ++n)
        settings.writeText(QStringLiteral("General"), QStringLiteral("FileList%1").arg(n),
                           n <= paths_.size() ? paths_[n - 1] : QString());
}

void RecentFiles::Add(const QString& path) {
    if (!paths_.isEmpty() && paths_.first() == path) return;
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kCount) paths_.removeLast();
}

void WriteSafeModeSettings(SettingsStore& s) {
    s.set(settings::Device3D, QString::fromLatin1(settings::kSoftwareRendererDescription));
    s.set(settings::MipmapAutoGenerate, false);
    s.set(settings::DetailLevel, 1);
    s.set(settings::FPS, 4);
    s.set(settings::LoadLimitMag, 30);
    s.set(settings::StarsUseDrawPrim, true);
}

bool OfferSafeMode(SettingsStore& settings, bool ctrlHeld) {
    if (!ctrlHeld) return false;
    if (!AskYesNo(QStringLiteral(
                      "Do you want Orbivale to set the display settings to the most compatible?"),
                  QStringLiteral("Safe Mode")))
        return false;
    WriteSafeModeSettings(settings);
    Log("Set display properties to default.");
    return true;
}

}  // namespace ShellLogic
