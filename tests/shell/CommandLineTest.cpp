#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shell/CommandLine.h"
#include "shell/Session.h"
#include "support/TestSupport.h"

namespace {

CommandLine Parse(std::initializer_list<const char*> args) {
    QStringList list{QStringLiteral("orbivale")};
    for (const char* a : args) list << QString::fromLatin1(a);
    return ParseCommandLine(list);
}

using RunResult = ProgramRun;

RunResult RunProgram(const QStringList& args) {
    return RunBinary(QStringLiteral(ORBIVALE_BINARY), args);
}

QStringList Row(const QString& csv, const QString& name) {
    for (const QString& line : csv.split(QLatin1Char('\n')))
        if (line.startsWith(name + QLatin1Char(','))) return line.split(QLatin1Char(','));
    return {};
}

}  // namespace

TEST(CommandLine, Options) {
    CommandLine cl = Parse({"--settings-dir", "/tmp/x", "--utc", "2000-01-01T00:00:00", "--speed",
                            "-60", "--ephemeris", "a.ov", "b.ov"});
    EXPECT_TRUE(cl.error.isEmpty());
    EXPECT_EQ(cl.settingsDir, QStringLiteral("/tmp/x"));
    EXPECT_EQ(*cl.utc, MakeSimTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(*cl.speed, -60);
    EXPECT_TRUE(cl.ephemeris);
    EXPECT_EQ(cl.files, (QStringList{QStringLiteral("a.ov"), QStringLiteral("b.ov")}));
    cl = Parse({"--snapshot", "m.png", "--view", "sky", "--size", "1280x900"});
    EXPECT_EQ(cl.snapshot, QStringLiteral("m.png"));
    EXPECT_EQ(cl.view, QStringLiteral("sky"));
    EXPECT_EQ(cl.width, 1280);
    EXPECT_EQ(cl.height, 900);
    cl = Parse({"--system-info", "--snapshot", "o.png", "--view", "sysinfo-display"});
    EXPECT_TRUE(cl.systemInfo);
    EXPECT_EQ(cl.view, QStringLiteral("sysinfo-display"));
    for (const char* page :
         {"options-display", "options-simulation", "options-effects", "options-directories",
          "sysinfo-memory", "sysinfo-os", "sysinfo-orbivale"})
        EXPECT_TRUE(Parse({"--view", page}).error.isEmpty()) << page;
    EXPECT_FALSE(Parse({"--view", "options-colours"}).error.isEmpty());
}

TEST(CommandLine, BadInputIsRefusedClearly) {
    EXPECT_FALSE(Parse({"--utc", "2000-02-30T00:00:00"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--utc", "1850-01-01T00:00:00"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--utc"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--speed", "fast"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--speed", "100000"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--size", "10x10"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--view", "moon"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--frobnicate"}).error.isEmpty());
    EXPECT_EQ(*ParseUtc(QStringLiteral("2024-02-29T23:59:59.5")),
              MakeSimTime(2024, 2, 29, 23, 59, 59.5));
}

TEST(Program, EphemerisAgreesWithTheWorkedExamples) {
    QTemporaryDir settings;
    RunResult r = RunProgram({QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                              QStringLiteral("2000-01-01T00:00:00"),
                              QStringLiteral("--settings-dir"), settings.path()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 74);
    EXPECT_EQ(lines[0], QStringLiteral("name,kind,x_km,y_km,z_km,alt_deg,az_deg"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Sun,0,0.000,0.000,0.000,")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Mercury,1,")));
    EXPECT_TRUE(lines[11].startsWith(QStringLiteral("Moon,2,")));
    EXPECT_TRUE(lines[72].startsWith(QStringLiteral("SaturnRings,3,")));
    EXPECT_TRUE(lines[73].startsWith(QStringLiteral("EarthAtmos,4,")));
    const QStringList earth = Row(r.out, QStringLiteral("Earth")),
                      moon = Row(r.out, QStringLiteral("Moon"));
    EXPECT_NEAR(moon[2].toDouble() - earth[2].toDouble(), -317283, 5);
    EXPECT_NEAR(moon[3].toDouble() - earth[3].toDouble(), -241875, 5);
    EXPECT_NEAR(moon[4].toDouble() - earth[4].toDouble(), 36570, 5);
    // Reproducible: the clock is frozen at the given instant.
    EXPECT_EQ(RunProgram({QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                          QStringLiteral("2000-01-01T00:00:00"), QStringLiteral("--settings-dir"),
                          settings.path()})
                  .out,
              r.out);

    r = RunProgram({QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                    QStringLiteral("1997-08-20T00:00:00"), QStringLiteral("--settings-dir"),
                    settings.path()});
    const QStringList atEpoch = Row(r.out, QStringLiteral("Earth"));
    EXPECT_NEAR(atEpoch[2].toDouble(), 127034747, 60);
    EXPECT_NEAR(atEpoch[3].toDouble(), -82316300, 60);
    EXPECT_NEAR(atEpoch[4].toDouble(), -408, 5);
}

TEST(Program, EphemerisAltitudeAndAzimuth) {
    // From the default place (latitude 53 north, longitude 0) at noon on the June solstice
    // the Sun stands due south, 90 - 53 + 23.44 degrees high.
    QTemporaryDir settings;
    const RunResult r = RunProgram({QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                                    QStringLiteral("2026-06-21T12:00:00"),
                                    QStringLiteral("--settings-dir"), settings.path()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList sun = Row(r.out, QStringLiteral("Sun"));
    ASSERT_EQ(sun.size(), 7);
    EXPECT_NEAR(sun[5].toDouble(), 60.4, 0.5);
    EXPECT_NEAR(sun[6].toDouble(), 180, 1.5);
    // The Earth's own centre lies straight down; every azimuth is within 0..360.
    EXPECT_EQ(Row(r.out, QStringLiteral("Earth")).mid(5), QStringList({"-90.000", "0.000"}));
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList row = lines[i].split(QLatin1Char(','));
        ASSERT_EQ(row.size(), 7) << lines[i].toStdString();
        EXPECT_GE(row[5].toDouble(), -90);
        EXPECT_LE(row[5].toDouble(), 90);
        EXPECT_GE(row[6].toDouble(), 0);
        EXPECT_LT(row[6].toDouble(), 360);
    }
}

TEST(Program, SystemInfoWithoutADisplaySaysSo) {
    QTemporaryDir settings;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORBIVALE_BINARY),
            {QStringLiteral("--system-info"), QStringLiteral("--settings-dir"), settings.path()});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << qPrintable(QString::fromUtf8(p.readAllStandardError()));
    EXPECT_TRUE(
        out.startsWith(QStringLiteral("; System Information dump produced by Orbivale on ")));
    qsizetype at = 0;
    for (const char* section :
         {"\n[Memory Manager]\nMemory load:\t", "\n[Operating System]\nMajor version number:\t",
          "\n[Display]\nDisplay:\tnone", "\n[Orbivale]\nVersion:\t"}) {
        const qsizetype next = out.indexOf(QString::fromLatin1(section), at);
        EXPECT_GT(next, at) << section << "\n" << qPrintable(out);
        at = std::max(at, next);
    }
    EXPECT_TRUE(out.contains(QStringLiteral("OpenGL version:\tnot known (no display)")));
    // The stars are loaded as at start-up, so their counters are real.
    EXPECT_FALSE(out.contains(QStringLiteral("Stars Loaded:\t0\n")));
    // Nothing was written into the settings folder but the settings file itself.
    EXPECT_LE(QDir(settings.path()).entryList(QDir::Files).size(), 1);
}

TEST(Program, HelpVersionAndErrors) {
    RunResult r = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Orbivale ")));
    r = RunProgram({QStringLiteral("--help")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("--ephemeris")));
    r = RunProgram({QStringLiteral("--speed"), QStringLiteral("x")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--speed")));
}

// --location: the observer for this run only, chosen by name ignoring case.
TEST(Program, LocationForThisRunOnly) {
    EXPECT_EQ(Parse({"--location", "Paris"}).location, QStringLiteral("Paris"));
    EXPECT_FALSE(Parse({"--location"}).error.isEmpty());

    QTemporaryDir settings;
    RunResult r = RunProgram({QStringLiteral("--location"), QStringLiteral("Paris"),
                              QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                              QStringLiteral("2026-12-08T00:00:00"),
                              QStringLiteral("--settings-dir"), settings.path()});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("name,kind,")));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(QDir(settings.path()).isEmpty(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot));
    // At 00:00 UT in December the Sun is far below the horizon at Paris (near its lowest, in
    // the north), and high in the north-east at Sydney, where it is 11:00 summer time.
    const QStringList parisSun = Row(r.out, QStringLiteral("Sun"));
    ASSERT_EQ(parisSun.size(), 7);
    EXPECT_NEAR(parisSun[5].toDouble(), -63.5, 1.0);
    const RunResult sydney = RunProgram({QStringLiteral("--location"), QStringLiteral("sydney"),
                                         QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                                         QStringLiteral("2026-12-08T00:00:00"),
                                         QStringLiteral("--settings-dir"), settings.path()});
    const QStringList sydneySun = Row(sydney.out, QStringLiteral("Sun"));
    ASSERT_EQ(sydneySun.size(), 7);
    EXPECT_GT(sydneySun[5].toDouble(), 55.0);
    EXPECT_GT(sydneySun[6].toDouble(), 45.0);
    EXPECT_LT(sydneySun[6].toDouble(), 90.0);

    r = RunProgram({QStringLiteral("--location"), QStringLiteral("Nowhere"),
                    QStringLiteral("--ephemeris"), QStringLiteral("--settings-dir"),
                    settings.path()});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, QStringLiteral("Unknown location: Nowhere\n"));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(CommandLineLocation, PutsTheObserverThereWithoutTouchingTheSettings) {
    QTemporaryDir settingsDir;
    const QByteArray dir = settingsDir.path().toUtf8();
    Session session(Parse({"--location", "pARIS", "--utc", "2026-07-01T12:00:00", "--settings-dir",
                           dir.constData()}));
    ASSERT_TRUE(session.FindCommandLineLocation());
    session.BuildSolarSystem();
    const Observer& o = session.simulation().observer();
    EXPECT_EQ(o.locationName, QStringLiteral("Paris"));
    EXPECT_NEAR(o.latitude, 48.85, 0.01);
    EXPECT_EQ(o.zoneText, QStringLiteral("GMT+01:00 +60 minutes DST"));
    EXPECT_TRUE(session.settings().keys(QStringLiteral("Simulation")).isEmpty());

    Session unknown(Parse({"--location", "Nowhere", "--settings-dir", dir.constData()}));
    EXPECT_FALSE(unknown.FindCommandLineLocation());
    Session none(Parse({"--settings-dir", dir.constData()}));
    EXPECT_TRUE(none.FindCommandLineLocation());
}

TEST(CommandLine, HelpListsExactlyTheViewsThatWork) {
    QString listed;
    for (const QString& line : CommandLineHelp().split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(QLatin1String("--view ")))
            listed = line.trimmed().mid(7).section(QLatin1Char(' '), 0, 0);
    const QStringList views = listed.split(QLatin1Char('|'));
    EXPECT_EQ(views, SnapshotViews());
    for (const QString& view : views) {
        const CommandLine cl =
            ParseCommandLine({QStringLiteral("orbivale"), QStringLiteral("--snapshot"),
                              QStringLiteral("x.png"), QStringLiteral("--view"), view});
        EXPECT_TRUE(cl.error.isEmpty()) << view.toStdString();
    }
}

TEST(CommandLine, SnapshotNeverWaitsForAPersonAndSaysWhenTheRunWasNotClean) {
    // A missing position file used to open a message box that nobody would ever close.
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed; the picture needs a display";
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("out.png"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    // The windowed program's platform libraries (D-Bus, the X client) keep allocations to the
    // end, which a leak check cannot tell from ours, as for the windowed tests.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    p.setProcessEnvironment(env);
    p.start(xvfb,
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
             QStringLiteral(ORBIVALE_BINARY), QStringLiteral("--snapshot"), picture,
             QStringLiteral("--size"), QStringLiteral("320x240"), QStringLiteral("--utc"),
             QStringLiteral("2000-01-01T00:00:00"), dir.filePath(QStringLiteral("missing.ov"))});
    const bool finished = p.waitForFinished(90000);
    if (!finished) p.kill();
    ASSERT_TRUE(finished) << "the snapshot run waited for a person";
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 3) << qPrintable(err);
    EXPECT_TRUE(err.contains(QStringLiteral("missing.ov"))) << qPrintable(err);
    EXPECT_TRUE(QFileInfo(picture).size() > 0);  // the default answer was taken: it went on
}
