#include "shell/ConsoleScript.h"

#include <QFile>
#include <QRegularExpression>

#include "console/ConsoleInterpreter.h"
#include "console/SimulationConsoleHost.h"
#include "core/Body.h"
#include "core/Settings.h"
#include "shell/CommandLine.h"
#include "shell/Session.h"

int RunConsoleScript(const CommandLine& cl, QTextStream& out, QTextStream& err) {
    QFile file(cl.consoleScript);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "orbivale: cannot read the console script " << cl.consoleScript << ": "
            << file.errorString() << "\n";
        return 2;
    }
    const QString script = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        err << "orbivale: cannot read the console script " << cl.consoleScript << ": "
            << file.errorString() << "\n";
        return 2;
    }
    Session session(cl);
    if (!session.FindCommandLineLocation()) return 2;
    session.BuildSolarSystem();
    // The camera starts where the windows would put it: at the initial target.
    Simulation& sim = session.simulation();
    QString initial = session.settings().get(settings::InitialObject);
    for (const QString& fallback : {QStringLiteral("Mars"), QStringLiteral("Earth")})
        if (!sim.FindBody(initial)) initial = fallback;
    if (Body* target = sim.FindBody(initial))
        session.camera().MoveCameraTo(target, session.cameraControls().where);
    sim.UpdateSimulation();

    // No viewer: a frame of it is an update step, and help pages have nowhere to open.
    SimulationConsoleHost host(session.simulation(), session.camera());
    ConsoleInterpreter console(host);
    console.print = [&out](const QString& line) { out << line << "\n"; };
    console.Print(ConsoleBanner());
    QStringList lines = script.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    for (const QString& line : lines) console.Enter(line);
    out.flush();
    return 0;
}
