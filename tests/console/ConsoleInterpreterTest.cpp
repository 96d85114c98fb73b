#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "FakeConsoleHost.h"
#include "console/ConsoleInterpreter.h"
#include "console/ScriptError.h"

namespace {

struct Console {
    FakeConsoleHost host;
    ConsoleInterpreter interpreter{host};
    QStringList transcript;
    Console() {
        interpreter.print = [this](const QString& line) { transcript << line; };
    }
    // The lines one entry prints.
    QStringList Enter(const QString& entry) {
        transcript.clear();
        interpreter.Enter(entry);
        return transcript;
    }
};

}  // namespace

TEST(ConsoleCommands, EntriesEchoRunAndAnswer) {
    Console c;
    EXPECT_EQ(c.Enter(QStringLiteral("?1+2")), (QStringList{"> ?1+2", "3", "OK"}));
    EXPECT_EQ(c.Enter(QStringLiteral("  PRINT \"a\" & 2.5  ")),
              (QStringList{"> PRINT \"a\" & 2.5", "a2.5", "OK"}));
    EXPECT_EQ(c.Enter(QStringLiteral("print")), (QStringList{"> print", "Error: Syntax Error."}));
    // "^" has no evaluation rule: nothing is printed, and the entry still succeeds.
    EXPECT_EQ(c.Enter(QStringLiteral("print 2^3")), (QStringList{"> print 2^3", "OK"}));
    EXPECT_EQ(c.Enter(QStringLiteral("print 1/0")),
              (QStringList{"> print 1/0", "Error: Integer division by zero."}));
    EXPECT_EQ(c.Enter(QStringLiteral("5")),
              (QStringList{"> 5", "Error: Unrecognised command: ''."}));
    EXPECT_EQ(c.Enter(QStringLiteral("hel")),
              (QStringList{"> hel", "Error: Unrecognised command: 'hel'."}));
    EXPECT_EQ(c.Enter(QStringLiteral("printx 1")),
              (QStringList{"> printx 1", "Error: Unrecognised command: 'printx'."}));
    EXPECT_EQ(c.Enter(QStringLiteral("; a comment")), (QStringList{"> ; a comment", "OK"}));
    // Anything beginning with the letters "help" opens the console's page.
    EXPECT_EQ(c.Enter(QStringLiteral("HELP me")), (QStringList{"> HELP me", "OK"}));
    EXPECT_EQ(c.host.calls, QStringList{"help Console"});
    EXPECT_EQ(c.Enter(QStringLiteral("tree 1+2*3")),
              (QStringList{"> tree 1+2*3", "+ int ", "  Constant int 1", "  * int ",
                           "    Constant int 2", "    Constant int 3", "OK"}));
    EXPECT_EQ(c.Enter(QStringLiteral("tree 2^")),
              (QStringList{"> tree 2^", "Error: Syntax Error."}));
    // The rest of a line after a complete expression is ignored.
    EXPECT_EQ(c.Enter(QStringLiteral("? 4, 5")), (QStringList{"> ? 4, 5", "4", "OK"}));

    // Every entry, failed or not, goes to the top of the list; every entry, blank or not,
    // runs one frame of the viewer.
    const int ticks = c.host.ticks;
    EXPECT_EQ(c.Enter(QStringLiteral(" \t ")), QStringList{});
    EXPECT_EQ(c.host.ticks, ticks + 1);
    EXPECT_EQ(c.interpreter.history().size(), 13);
    EXPECT_EQ(c.interpreter.history().front(), QStringLiteral("? 4, 5"));
    EXPECT_EQ(c.interpreter.history()[2], QStringLiteral("tree 1+2*3"));
}

TEST(ConsoleCommands, CameraMovesByNumbers) {
    Console c;
    c.Enter(QStringLiteral("cx 1000"));
    c.Enter(QStringLiteral("cy -2*250"));
    c.Enter(QStringLiteral("cz 1.5e3"));
    EXPECT_EQ(c.host.position.x, 1000);
    EXPECT_EQ(c.host.position.y, -500);
    EXPECT_EQ(c.host.position.z, 1500);
    // Each move runs a frame, and the entry one more.
    EXPECT_EQ(c.host.ticks, 6);

    // Along the camera's own axes: right is up x direction.
    c.host.position = {};
    c.host.direction = {1, 0, 0};
    c.host.up = {0, 0, 1};
    c.Enter(QStringLiteral("forward 10"));
    EXPECT_EQ(c.host.position.x, 10);
    c.Enter(QStringLiteral("up 3"));
    EXPECT_EQ(c.host.position.z, 3);
    c.Enter(QStringLiteral("right 2"));
    EXPECT_EQ(c.host.position.y, 2);
    EXPECT_EQ(c.host.position.x, 10);

    // A command that wants a number says so, whatever is wrong with it.
    const scene::Vec3 before = c.host.position;
    for (const char* entry : {"cx", "cx \"a\"", "cx 1+", "forward 2^2", "up (", "right x"})
        EXPECT_EQ(c.Enter(QString::fromLatin1(entry)).value(1),
                  QStringLiteral("Error: Expected number."))
            << entry;
    EXPECT_EQ(c.Enter(QStringLiteral("cx 1/0")).value(1),
              QStringLiteral("Error: Integer division by zero."));
    EXPECT_EQ(c.host.position.x, before.x);
    EXPECT_EQ(c.host.position.y, before.y);
    EXPECT_EQ(c.host.position.z, before.z);
}

TEST(ConsoleCommands, TextsOfSeveralLines) {
    Console c;
    // Lines at CR, LF or both; comments and blank lines are counted but skipped.
    EXPECT_TRUE(c.interpreter.ExecuteCommandText(QStringLiteral("cx 1\r\n' c\n\n/ c\rcx 2")));
    EXPECT_EQ(c.host.position.x, 3);
    c.transcript.clear();
    EXPECT_FALSE(c.interpreter.ExecuteCommandText(QStringLiteral("cx 1\n; note\ncx \"a\"\ncx 5")));
    EXPECT_EQ(c.transcript, QStringList{"Error at line 3: Expected number."});
    // The lines before the error keep their effect; those after it do not run.
    EXPECT_EQ(c.host.position.x, 4);
    // "end" stops the text, which counts as having run.
    c.transcript.clear();
    EXPECT_TRUE(c.interpreter.ExecuteCommandText(QStringLiteral("? 1\nEND\n? 2")));
    EXPECT_EQ(c.transcript, QStringList{"1"});
    // A final line break does not make a text of two lines.
    c.transcript.clear();
    EXPECT_FALSE(c.interpreter.ExecuteCommandText(QStringLiteral("bogus\n")));
    EXPECT_EQ(c.transcript, QStringList{"Error: Unrecognised command: 'bogus'."});
    // "help" inside a longer text opens the page too.
    c.host.calls.clear();
    EXPECT_TRUE(c.interpreter.ExecuteCommandText(QStringLiteral("help\n? 1")));
    EXPECT_EQ(c.host.calls, QStringList{"help Console"});
}

TEST(ConsoleCommands, ReadingWords) {
    int pos = 1;
    const QString line = QStringLiteral("  loadbody Earth2_x,?9");
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(line, pos), QStringLiteral("loadbody"));
    EXPECT_EQ(pos, 11);
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(line, pos), QStringLiteral("Earth2"));
    // The underscore is not part of a word: it stays where it is.
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(line, pos), QString());
    EXPECT_EQ(line[pos - 1], QLatin1Char('_'));
    pos = 21;
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(line, pos), QStringLiteral("?"));
    EXPECT_EQ(pos, 22);
    pos = 23;
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(line, pos), QString());
    // Letters are ASCII only.
    pos = 1;
    EXPECT_EQ(ConsoleInterpreter::ReadCommandWord(QStringLiteral("éa"), pos), QString());
    EXPECT_EQ(ConsoleInterpreter::EvaluateNumberAt(QStringLiteral("cx 2.5"), 3), 2.5);
    EXPECT_FALSE(ConsoleInterpreter::EvaluateAt(QStringLiteral("x 2^2"), 2).has_value());
}

TEST(ConsoleCommands, LoadingAndUnloadingModels) {
    QTemporaryDir media;
    for (const char* name : {"Earth2.bmp", "Clouds.bmp"}) {
        QFile f(media.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Console c;
    c.host.media = media.path();
    // The body's own spelling names the file; a real number is cut to a whole one.
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody earth, 2.9")).value(1), QStringLiteral("OK"));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Earth,\"Clouds\"")).value(1), QStringLiteral("OK"));
    EXPECT_EQ(c.host.calls,
              (QStringList{"load Earth Earth2.bmp 2", "load Earth Clouds.bmp \"Clouds.bmp\""}));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Earth, 3")).value(1),
              QStringLiteral("Error: Could not find Earth3.bmp."));
    EXPECT_EQ(
        c.Enter(QStringLiteral("loadbody Earth, \"Fog\"")).value(1),
        QStringLiteral("Error: Could not find ") + media.path() + QStringLiteral("/Fog.bmp."));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody earth , 2")).value(1),
              QStringLiteral("Error: Only one argument supplied, expected more.."));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Earth")).value(1),
              QStringLiteral("Error: Only one argument supplied, expected more.."));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Earth, 2^2")).value(1),
              QStringLiteral("Error: Syntax Error."));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Vulcan, 2")).value(1),
              QStringLiteral("Error: Expected solar system body name: 'Vulcan'."));
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody , 2")).value(1),
              QStringLiteral("Error: Expected solar system body name: ''."));
    c.host.loadSucceeds = false;
    EXPECT_EQ(c.Enter(QStringLiteral("loadbody Earth, 2")).value(1),
              QStringLiteral("Error: Could not load Earth2.bmp."));
    c.host.calls.clear();
    EXPECT_EQ(c.Enter(QStringLiteral("unloadbody MOON")).value(1), QStringLiteral("OK"));
    EXPECT_EQ(c.host.calls, QStringList{"unload Moon"});
    EXPECT_EQ(c.Enter(QStringLiteral("unloadbody Vulcan")).value(1),
              QStringLiteral("Error: Expected solar system body name: 'Vulcan'."));
}
