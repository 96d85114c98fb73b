#include "core/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Text.h"

Services& Services::instance() {
    static Services services;
    return services;
}

Services::Services() {
    reset();
}

void Services::reset() {
    prompter_ = nullptr;
    sinks_ = {};
    systemLog_.clear();
    userDataDir_.clear();
    dataDir_ = QStringLiteral("./Data/");
    mediaDir_ = QStringLiteral("./DX/");
    locale_ = Locale();
    openDocument = nullptr;
    showHelpTopic = nullptr;
}

QString Services::userDataDirectory() {
    if (userDataDir_.isEmpty()) {
        userDataDir_ = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QStringLiteral("/Tarnwick/Orbivale");
    }
    QDir().mkpath(userDataDir_);
    return userDataDir_;
}

void Services::setDataDirectory(const QString& dir) {
    dataDir_ = EnsureTrailingSlash(dir);
}

void Services::setMediaDirectory(const QString& dir) {
    mediaDir_ = EnsureTrailingSlash(dir);
}

QString ResourceDirectory(const QString& name) {
    const QString appDir = ApplicationDirectory();
    const QString beside = appDir + QLatin1Char('/') + name;
    if (QFileInfo(beside).isDir()) return beside;
    const QString installed =
        QDir::cleanPath(appDir + QStringLiteral("/../share/orbivale/") + name);
    if (QFileInfo(installed).isDir()) return installed;
    return beside;
}
