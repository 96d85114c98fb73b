#include "render/GraphicsSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <cstdlib>

#include "core/SettingsStore.h"

const QString GraphicsSystem::kSoftwareDescription =
    QString::fromLatin1(settings::kSoftwareRendererDescription);
const QString GraphicsSystem::kSoftwareName = QString::fromLatin1(settings::kSoftwareRendererName);
const QString GraphicsSystem::kHardwareDescription =
    QString::fromLatin1(settings::kHardwareRendererDescription);
const QString GraphicsSystem::kHardwareName = QString::fromLatin1(settings::kHardwareRendererName);

void ForceSoftwareRenderer() {
    qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
}

bool IsSoftwareRendererString(const QString& renderer) {
    const QString r = renderer.toLower();
    return r.contains(QLatin1String("llvmpipe")) || r.contains(QLatin1String("softpipe")) ||
           r.contains(QLatin1String("swrast")) || r.contains(QLatin1String("software"));
}

GraphicsSystem::Probe GraphicsSystem::SystemProbe() {
    Probe p;
    p.softwareAvailable = [] {
        for (const char* dir : {"/usr/lib/x86_64-linux-gnu/dri", "/usr/lib/aarch64-linux-gnu/dri",
                                "/usr/lib/dri", "/usr/lib64/dri"})
            if (QFileInfo::exists(QString::fromLatin1(dir) + QStringLiteral("/swrast_dri.so")))
                return true;
        return false;
    };
    p.hardwareAvailable = [] {
        // Without a render node there is no GPU to drive; with one, ask a fresh process
        // which renderer OpenGL really gives (this process must not make a context yet).
        if (QDir(QStringLiteral("/dev/dri"))
                .entryList({QStringLiteral("renderD*")}, QDir::System)
                .isEmpty())
            return false;
        if (qEnvironmentVariableIsSet("LIBGL_ALWAYS_SOFTWARE")) return false;
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe-renderer")});
        if (!probe.waitForFinished(5000)) {
            probe.kill();
            return false;
        }
        const QString renderer = QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
        return probe.exitCode() == 0 && !renderer.isEmpty() && !IsSoftwareRendererString(renderer);
    };
    return p;
}

bool GraphicsSystem::CreateMasterObjects(const SettingsStore& settings, const Probe& probe) {
    drivers_.clear();
    software_ = selected_ = nextStart_ = -1;
    if (probe.hardwareAvailable && probe.hardwareAvailable())
        drivers_.push_back(
            {kHardwareDescription, kHardwareName, QByteArrayLiteral("gl-hardware"), true});
    if (probe.softwareAvailable && probe.softwareAvailable()) {
        software_ = static_cast<int>(drivers_.size());
        drivers_.push_back(
            {kSoftwareDescription, kSoftwareName, QByteArrayLiteral("gl-llvmpipe"), false});
    }
    Select(settings.get(settings::Device3D));
    if (selected_ >= 0 && selected_ == software_) ForceSoftwareRenderer();
    return true;
}

void GraphicsSystem::Select(const QString& description) {
    selected_ = -1;
    for (const QString& wanted : {description, kSoftwareDescription}) {
        for (std::size_t i = 0; i < drivers_.size(); ++i) {
            if (drivers_[i].description.compare(wanted, Qt::CaseInsensitive) == 0) {
                selected_ = static_cast<int>(i);
                return;
            }
        }
    }
}

const DriverInfo* GraphicsSystem::selectedDriver() const {
    return selected_ >= 0 ? &drivers_[static_cast<std::size_t>(selected_)] : nullptr;
}

bool GraphicsSystem::selectedIsHardware() const {
    const DriverInfo* d = selectedDriver();
    return d && d->hardware;
}

void GraphicsSystem::selectSoftware() {
    selected_ = software_;
}
