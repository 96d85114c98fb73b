#include "shell/StartupPaths.h"

#include <QFileInfo>

#include "core/Services.h"
#include "core/SettingsStore.h"

void SetUpFolders(const SettingsStore& settings) {
    Services& s = Services::instance();
    s.setDataDirectory(ResourceDirectory(QStringLiteral("Data")));
    const QString media = settings.get(settings::Media);
    s.setMediaDirectory(!media.isEmpty() && QFileInfo(media).isDir()
                            ? media
                            : ResourceDirectory(QStringLiteral("DX")));
}
