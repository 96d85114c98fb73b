#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "CommandLine.h"
#include "Ephemeris.h"
#include "Files.h"

int main(int argc, char** argv) {
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
