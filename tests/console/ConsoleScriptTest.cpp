#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/Files.h"
#include "support/TestSupport.h"

namespace {

ProgramRun RunOrbivale(const QStringList& args) {
    return RunBinary(QStringLiteral(ORBIVALE_BINARY), args, 120000);
}

}  // namespace

// Each line of the file is one entry typed at the command line.
TEST(ConsoleScript, TranscriptOfAWholeScript) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("commands.txt"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "?1+2\n"
        "\n"
        "   \n"
        "print \"Orbit\" & \"er\"\n"
        "PRINT 2*-3\r\n"
        "print 2^3\n"
        "; a comment\n"
        "tree 1+2*3\n"
        "print sin(0) + cos(0)\n"
        "print 7/2, 1/0\n"
        "print 1/0\n"
        "cx 1000\n"
        "forward \"far\"\n"
        "unloadbody Vulcan\n"
        "loadbody earth , 2\n"
        "Help me\n"
        "hel\n"
        "5\n"
        "print left(\"abc\", 1)\n"
        "end");
    f.close();
    const ProgramRun run = RunOrbivale(
        {QStringLiteral("--settings-dir"), dir.path(), QStringLiteral("--utc"),
         QStringLiteral("2000-01-01T12:00:00"), QStringLiteral("--console-script"), script});
    EXPECT_EQ(run.code, 0) << qPrintable(run.err);
    const QString expected = QStringLiteral("Orbivale version ") + FileVersionText() +
                             QStringLiteral(
                                 "\n"
                                 "> ?1+2\n3\nOK\n"
                                 "> print \"Orbit\" & \"er\"\nOrbiter\nOK\n"
                                 "> PRINT 2*-3\n-6\nOK\n"
                                 "> print 2^3\nOK\n"
                                 "> ; a comment\nOK\n"
                                 "> tree 1+2*3\n+ int \n  Constant int 1\n  * int \n"
                                 "    Constant int 2\n    Constant int 3\nOK\n"
                                 "> print sin(0) + cos(0)\n1\nOK\n"
                                 "> print 7/2, 1/0\n3\nOK\n"
                                 "> print 1/0\nError: Integer division by zero.\n"
                                 "> cx 1000\nOK\n"
                                 "> forward \"far\"\nError: Expected number.\n"
                                 "> unloadbody Vulcan\n"
                                 "Error: Expected solar system body name: 'Vulcan'.\n"
                                 "> loadbody earth , 2\n"
                                 "Error: Only one argument supplied, expected more..\n"
                                 "> Help me\nOK\n"
                                 "> hel\nError: Unrecognised command: 'hel'.\n"
                                 "> 5\nError: Unrecognised command: ''.\n"
                                 "> print left(\"abc\", 1)\nError: Function not implemented.\n"
                                 "> end\nOK\n");
    EXPECT_EQ(run.out, expected);
}

TEST(ConsoleScript, MissingFileExitsWithAClearMessage) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.txt"));
    const ProgramRun run = RunOrbivale({QStringLiteral("--settings-dir"), dir.path(),
                                        QStringLiteral("--console-script"), missing});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot read the console script")))
        << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(missing));
    // A folder is no script either.
    EXPECT_EQ(RunOrbivale({QStringLiteral("--settings-dir"), dir.path(),
                           QStringLiteral("--console-script"), dir.path()})
                  .code,
              2);
}
