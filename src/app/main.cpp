#include <QCoreApplication>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTextStream>
#include <cstdio>

#include "CommandLine.h"
#include "Ephemeris.h"
#include "Files.h"

namespace {

// Prints the renderer OpenGL gives this process by default; the start-up asks a separate
// process so that its own choice of driver stays open.
int ProbeRenderer(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) return 1;
    std::printf("%s\n", reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && qstrcmp(argv[1], "--probe-renderer") == 0) return ProbeRenderer(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = ParseCommandLine(arguments);
    QTextStream out(stdout);
    if (!cl.error.isEmpty()) {
        QTextStream(stderr) << "orbivale: " << cl.error << "\nTry 'orbivale --help'.\n";
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
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Orbivale"));
    return RunEphemeris(cl, out);
}
