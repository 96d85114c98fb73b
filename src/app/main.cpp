#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QTextStream>
#include <cstdio>

#include "core/Files.h"
#include "core/Services.h"
#include "render/gl/RenderDevice.h"
#include "shell/CommandLine.h"
#include "shell/ConsoleScript.h"
#include "shell/Ephemeris.h"
#include "shell/Session.h"
#include "shell/widgets/OrbivaleApplication.h"
#include "shell/widgets/QtPrompter.h"
#include "shell/widgets/Snapshot.h"
#include "shell/widgets/TMDIContainer.h"

namespace {

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
    QtPrompter prompter;
    Services::instance().setPrompter(&prompter);
    int code = 0;
    {
        // The session outlives the main window, whose windows use its parts.
        Session session(cl);
        TMDIContainer main(session);
        if (!main.Start()) {
            code = main.exitCode();
        } else if (!cl.snapshot.isEmpty()) {
            code = SaveSnapshot(main, cl.snapshot, cl.view);
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
        QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
        QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));
        return RunEphemeris(cl, out);
    }
    if (!cl.consoleScript.isEmpty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
        QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));
        return RunConsoleScript(cl, out, err);
    }
    if (!cl.snapshot.isEmpty() && cl.view != QLatin1String("main") &&
        cl.view != QLatin1String("viewer") && cl.view != QLatin1String("map") &&
        cl.view != QLatin1String("jupiter") && cl.view != QLatin1String("sky")) {
        err << "orbivale: --view " << cl.view
            << " is not available in this version; use main, viewer, map, sky or jupiter.\n";
        return 2;
    }
    return RunWindows(argc, argv, cl);
}
