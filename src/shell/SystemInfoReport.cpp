#include "shell/SystemInfoReport.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QSurfaceFormat>
#include <clocale>
#include <memory>

#include "core/Files.h"
#include "core/Services.h"
#include "diagnostics/DisplayProbe.h"
#include "render/TextureDevice.h"
#include "render/gl/GlProbe.h"
#include "render/gl/RenderDevice.h"
#include "shell/Session.h"

sysinfo::Dump CollectSystemInformation(Session& session, int frames) {
    sysinfo::Dump dump;
    dump.sections[0] = sysinfo::MemoryLines(sysinfo::ReadMemoryFacts());

    sysinfo::OsFacts os = sysinfo::ReadOsFacts();
    os.display = HaveDisplay();
    if (os.display) os.openGlVersion = OpenGlVersionProbe();
    dump.sections[1] = sysinfo::OsLines(os);

    const RenderDevice* device = session.device();
    dump.sections[2] = sysinfo::DisplayLines(ReadDisplayFacts(
        session.graphics(), device ? device->textureFormats() : OpenGlTextureFormats()));

    sysinfo::ProgramCounters c;
    c.version = FileVersionText();
    if (const BodyModels* models = session.models()) {
        c.mapUsage = models->memory().total;
        c.peakMapUsage = models->memory().peak;
        c.reductionFactor = models->detailLevel;
    } else {
        c.reductionFactor = session.settings().get(settings::DetailLevel);
    }
    c.frames = frames;
    const sky::StarCatalogue& stars = session.sky().catalogue;
    c.starsMagLimit = stars.limitMagnitude();
    c.starsLoaded = stars.starCount();
    c.starsMemory = stars.memoryBytes();
    if (StarFieldView* view = session.stars()) {
        const sky::StarFieldStats& s = view->field().stats();
        c.starDrawnSample = s.drawn;
        c.starMissedSample = s.missed;
        c.starDrawnTotal = s.drawnTotal;
        c.starMissedTotal = s.missedTotal;
        c.nebulaHits = s.nebulaHits;
        c.nebulaMisses = s.nebulaMisses;
    }
    if (const auto* ini = dynamic_cast<const IniSettingsStore*>(&session.settings()))
        c.settingsFile = ini->fileName();
    c.userDataFolder = Services::instance().userDataDirectory();
    dump.sections[3] = sysinfo::ProgramLines(c);
    return dump;
}

int RunSystemInfo(int argc, char** argv, const CommandLine& cl, QTextStream& out) {
    // Asking for a screen where none can be had would end the process, so the screen is
    // tried only when one is named, with the offscreen platform as the way out.
    const bool screenNamed = !qEnvironmentVariableIsEmpty("DISPLAY") ||
                             !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                             !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (screenNamed && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                       ? "xcb;offscreen"
                                       : "wayland;xcb;offscreen");
    QSurfaceFormat::setDefaultFormat(ProgramSurfaceFormat());
    std::unique_ptr<QCoreApplication> app;
    if (screenNamed)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // The dump's numbers are written with a decimal point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));

    Session session(cl);
    GraphicsSystem::Probe probe = GraphicsSystem::SystemProbe();
    if (!HaveDisplay()) probe.hardwareAvailable = [] { return false; };
    session.graphics().CreateMasterObjects(session.settings(), probe);
    session.LoadStars();
    out << sysinfo::DumpText(CollectSystemInformation(session, 0), QDateTime::currentDateTime());
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : 1;
}
