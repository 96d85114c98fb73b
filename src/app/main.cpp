#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QTextStream>
#include <cstdio>

#include "core/Files.h"
#include "core/Services.h"
#include "core/Text.h"
#include "render/gl/RenderDevice.h"
#include "shell/CommandLine.h"
#include "shell/ConsoleScript.h"
#include "shell/Ephemeris.h"
#include "shell/Session.h"
#include "shell/SystemInfoReport.h"
#include "shell/widgets/OrbivaleApplication.h"
#include "shell/widgets/QtPrompter.h"
#include "shell/widgets/Snapshot.h"
#include "shell/widgets/TMDIContainer.h"

namespace {

// Exit status of a command-line run that finished but showed messages on the way.
constexpr int kUncleanRun = 3;

// Prints the renderer OpenGL gives this process by default; the start-up asks a separate
// process so that its own choice of driver stays open.
int ProbeRenderer(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) return 1;
    std::printf("%s\n",
                reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    return 0;
}

int RunWindows(int argc, char** argv, const CommandLine& cl) {
    QSurfaceFormat::setDefaultFormat(ProgramSurfaceFormat());
    OrbivaleApplication app(argc, argv);
    UseDotDecimalsInCLibrary();
    // A picture taken from the command line never waits for a person: messages go to
    // standard error with their default answer, and any message makes the run unclean.
    const bool unattended = !cl.snapshot.isEmpty();
    QtPrompter dialogs;
    ConsolePrompter console;
    Services::instance().setPrompter(unattended ? static_cast<Prompter*>(&console) : &dialogs);
    int code = 0;
    {
        // The session outlives the main window, whose windows use its parts.
        Session session(cl);
        TMDIContainer main(session);
        if (!main.Start()) {
            code = main.exitCode();
        } else if (!cl.snapshot.isEmpty()) {
            code = SaveSnapshot(main, cl.snapshot, cl.view);
            if (code == 0 && console.shown() > 0) {
                QTextStream(stderr) << "orbivale: the picture was saved, but the run showed "
                                    << console.shown() << " message(s) (above)\n";
                code = kUncleanRun;
            }
        } else {
            code = app.exec();
        }
    }
    Services::instance().setPrompter(nullptr);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && qstrcmp(argv[1], "--probe-renderer") == 0) return ProbeRenderer(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = ParseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!cl.error.isEmpty()) {
        err << "orbivale: " << cl.error << "\nTry 'orbivale --help'.\n";
        return 2;
    }
    if (cl.help) {
        out << CommandLineHelp();
        return 0;
    }
    if (cl.version) {
        out << "Orbivale " << FileVersionText() << "\n";
        return 0;
    }
    if (cl.ephemeris) {
        QCoreApplication app(argc, argv);
        UseDotDecimalsInCLibrary();
        QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
        QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));
        return RunEphemeris(cl, out);
    }
    if (cl.systemInfo) return RunSystemInfo(argc, argv, cl, out);
    if (!cl.consoleScript.isEmpty()) {
        QCoreApplication app(argc, argv);
        UseDotDecimalsInCLibrary();
        QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
        QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));
        return RunConsoleScript(cl, out, err);
    }
    if (!cl.snapshot.isEmpty() && !SnapshotViews().contains(cl.view)) {
        err << "orbivale: --view " << cl.view << " is not available in this version; use "
            << SnapshotViews().join(QStringLiteral(", ")) << ".\n";
        return 2;
    }
    return RunWindows(argc, argv, cl);
}
