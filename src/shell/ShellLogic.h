#pragma once

#include <QString>
#include <QStringList>
#include <array>

class SettingsStore;

namespace ShellLogic {

struct UpdateSpeed {
    const char* text;
    int intervalMs;
};
const std::array<UpdateSpeed, 10>& UpdateSpeeds();
// "Simulation"/"FPS", with anything outside the list read as 4 (10 frames a second).
int StoredUpdateSpeed(const SettingsStore& settings);

// The folder the Open and Save As dialogs start in: "General"/"SaveLocation" when it names a
// folder, else "Saved Positions" in the per-user data folder (made when missing).
QString PositionFolder(const SettingsStore& settings, const QString& userDataDirectory);

// The four most recent position files, newest first, kept as "General"/"FileList1".."4".
class RecentFiles {
  public:
    static constexpr int kCount = 4;
    void Read(const SettingsStore& settings);
    void Write(SettingsStore& settings) const;
    // Moves or puts the path first; the oldest drops off a full list.
    void Add(const QString& path);
    const QStringList& paths() const { return paths_; }

  private:
    QStringList paths_;
};

// Safe mode: the most compatible display settings.
void WriteSafeModeSettings(SettingsStore& settings);
// With Ctrl held at start-up, asks whether to use safe mode and writes it on Yes. True when
// it was written.
bool OfferSafeMode(SettingsStore& settings, bool ctrlHeld);

}  // namespace ShellLogic
