#include <sys/stat.h>

#include <QFile>
#include <cmath>

#include "core/SavedPosition.h"
#include "support/ExpectVec.h"
#include "support/TestSupport.h"

namespace {

class SavedPositionTest : public ServicesTest {
  protected:
    PositionContext context{[](const QString& name) {
                                return name == QLatin1String("Earth") ||
                                       name == QLatin1String("Saturn") ||
                                       name == QLatin1String("Mars");
                            },
                            10, 3};

    QString Write(const char* name, const QByteArray& text) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return path;
    }
    QByteArray Read(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

ViewState Sample() {
    ViewState s;
    s.ut = MakeSimTime(2011, 4, 5, 6, 7, 8.25);
    s.cameraPosition = {1.25e8, -3.5e6, 7.75e7};
    s.simSpeed = -3600;
    s.selected = QStringLiteral("Saturn");
    s.lockOn = true;
    s.mode = CameraMode::Holding;
    s.modeBody = QStringLiteral("Earth");
    s.modeOffset = {10, 20, 30};
    s.cameraSpeed = 1.8;
    s.direction = {0.6, 0, 0.8};
    s.up = {0, 1, 0};
    s.updateSpeedIndex = 7;
    s.resolutionIndex = 2;
    s.map = {1e6, -2e6, 8e8};
    s.zoom = 2.5;
    s.userModels = {{QStringLiteral("Earth"), QString(), QStringLiteral("2")},
                    {QStringLiteral("Mars"), QString(), QStringLiteral("\"/maps/m.bmp\"")}};
    return s;
}

}  // namespace

TEST_F(SavedPositionTest, RoundTripRestoresTheStateAndSavesTheSameFileAgain) {
    const QString first = dir.filePath(QStringLiteral("a.ov"));
    ASSERT_TRUE(SavePosition(Sample(), first));
    ViewState restored;
    ASSERT_TRUE(RestorePosition(first, context, restored));
    const ViewState s = Sample();
    EXPECT_NEAR(restored.ut, s.ut, 0.05);
    ExpectVec(restored.cameraPosition, s.cameraPosition, 0.05);
    EXPECT_EQ(restored.simSpeed, s.simSpeed);
    EXPECT_EQ(restored.selected, s.selected);
    EXPECT_TRUE(restored.lockOn);
    EXPECT_EQ(restored.mode, CameraMode::Holding);
    EXPECT_EQ(restored.modeBody, s.modeBody);
    ExpectVec(restored.modeOffset, s.modeOffset);
    EXPECT_NEAR(restored.cameraSpeed, 1.8, 1e-9);
    ExpectVec(restored.direction, s.direction, 1e-7);
    EXPECT_EQ(restored.updateSpeedIndex, 7);
    EXPECT_EQ(restored.resolutionIndex, 2);
    EXPECT_EQ(restored.map, s.map);
    EXPECT_NEAR(restored.zoom, 2.5, 1e-7);
    ASSERT_EQ(restored.userModels.size(), 2u);
    EXPECT_EQ(restored.userModels[0].file, QStringLiteral("Earth2.bmp"));
    EXPECT_EQ(restored.userModels[1].file, QStringLiteral("/maps/m.bmp"));
    EXPECT_EQ(restored.userModels[1].text, QStringLiteral("\"/maps/m.bmp\""));

    // Saved again, only the save time differs.
    const QString second = dir.filePath(QStringLiteral("b.ov"));
    ASSERT_TRUE(SavePosition(restored, second));
    auto withoutSaveTime = [&](const QString& path) {
        QList<QByteArray> lines = Read(path).split('\n');
        lines.removeIf([](const QByteArray& l) { return l.startsWith("SaveTime="); });
        return lines;
    };
    EXPECT_EQ(withoutSaveTime(first), withoutSaveTime(second));
}

TEST_F(SavedPositionTest, AbsentKeysKeepTheStateAndBadValuesAreHeldIn) {
    ViewState state = Sample();
    const QString comments = Write("c.ov", "# one\n# two\n# three\n");
    ASSERT_TRUE(RestorePosition(comments, context, state));
    EXPECT_FALSE(state.lockOn);  // always cleared
    EXPECT_TRUE(state.userModels.empty());
    EXPECT_EQ(state.selected, QStringLiteral("Saturn"));
    EXPECT_EQ(state.simSpeed, -3600);

    const QString odd = Write("d.ov",
                              "SimSpeed=100000\nselect=Mars\nSelect=Pluto\nFPS=3000000000\n"
                              "Res=-3\nUT=\nMode=3\nModeBody=Nowhere\nCx=abc\n=5\nZoom=1e400\n");
    state = Sample();
    ASSERT_TRUE(RestorePosition(odd, context, state));
    EXPECT_EQ(state.simSpeed, 86400);
    EXPECT_EQ(state.selected, QStringLiteral("Saturn"));  // wrong case, unknown body: ignored
    EXPECT_EQ(state.updateSpeedIndex, 9);
    EXPECT_EQ(state.resolutionIndex, 0);
    EXPECT_EQ(state.ut, 0);  // an empty value reads as 0, 1980-01-01 00:00 UT
    EXPECT_EQ(state.mode, CameraMode::FreeFlight);
    EXPECT_EQ(state.modeBody, QStringLiteral("Earth"));
    EXPECT_EQ(state.cameraPosition.x, 0);  // a non-numeric value reads as 0
    EXPECT_EQ(state.zoom, 0);              // out of double's range: not a number, 0
}

TEST_F(SavedPositionTest, BodyLinesNameAFileOrADigitAndTheLastLineForABodyWins) {
    QByteArray text;
    for (int i = 0; i < 500; ++i) text += "Body=Earth,0\n";
    text += "Body=Earth,3\nBody=Mars,\"C:/x y/m.bmp\nBody=Nowhere,1\nBody=Mars\n";
    ViewState state;
    ASSERT_TRUE(RestorePosition(Write("e.ov", text), context, state));
    ASSERT_EQ(state.userModels.size(), 2u);
    EXPECT_EQ(state.userModels[0].file, QStringLiteral("Earth3.bmp"));
    EXPECT_EQ(state.userModels[0].text, QStringLiteral("3"));
    EXPECT_EQ(state.userModels[1].file, QStringLiteral("C:/x y/m.bmp"));  // no closing quote
}

TEST_F(SavedPositionTest, FailuresShowTheirTexts) {
    ViewState state;
    EXPECT_FALSE(RestorePosition(dir.filePath(QStringLiteral("missing.ov")), context, state));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.startsWith(
        QStringLiteral("An error has prevented the position being restored.")));
    EXPECT_FALSE(SavePosition(state, QStringLiteral("/proc/no/such/folder/x.ov")));
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_TRUE(prompter.calls[1].text.startsWith(
        QStringLiteral("An error has prevented the position being saved.")));
}

TEST_F(SavedPositionTest, ASaveOntoAFullDiskFailsAndLeavesTheOldFileWhole) {
    QByteArray old;
    for (int i = 0; i < 40; ++i) old += "# an earlier position, kept byte for byte\n";
    const QString path = Write("kept.ov", old);
    const QStringList before = FolderEntries(dir.path());
    {
        // Room for the comment lines, not for the whole position.
        FileSizeCap full(120);
        EXPECT_FALSE(SavePosition(Sample(), path));
    }
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(FolderEntries(dir.path()), before);  // no scratch file left behind
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.startsWith(
        QStringLiteral("An error has prevented the position being saved.")));

    // With room again the same save goes through.
    EXPECT_TRUE(SavePosition(Sample(), path));
    EXPECT_TRUE(Read(path).startsWith("# This file contains a saved simulator position"));
}

TEST_F(SavedPositionTest, OrientationIsTakenOnlyWhenItCanBeMadeUnit) {
    // Huge components are scaled before their length is taken: no overflow to infinity.
    ViewState state;
    ASSERT_TRUE(
        RestorePosition(Write("huge.ov", "UpX=1e200\nUpY=1e200\nUpZ=1e200\n"), context, state));
    const double third = 1 / std::sqrt(3.0);
    ExpectVec(state.up, {third, third, third}, 1e-12);
    ExpectVec(state.direction, {0, 0, 1});
    ASSERT_TRUE(
        RestorePosition(Write("tiny.ov", "DirX=3e-300\nDirY=0\nDirZ=4e-300\n"), context, state));
    ExpectVec(state.direction, {0.6, 0, 0.8}, 1e-12);

    // Zero, parallel or out-of-range vectors keep the orientation the view had.
    const ViewState before = Sample();
    for (const char* text :
         {"UpX=0\nUpY=0\nUpZ=0\n", "DirX=0\nDirY=0\nDirZ=0\n",
          "DirX=0\nDirY=2\nDirZ=0\nUpX=0\nUpY=-5\nUpZ=0\n",
          "DirX=1e400\nDirY=0\nDirZ=0\nUpX=0\nUpY=1\nUpZ=0\n", "DirX=nan\nDirY=-inf\nDirZ=0\n"}) {
        state = before;
        ASSERT_TRUE(RestorePosition(Write("bad.ov", text), context, state)) << text;
        ExpectVec(state.direction, before.direction);
        ExpectVec(state.up, before.up);
    }
    // A tilted pair is taken as it is, each made unit.
    state = before;
    ASSERT_TRUE(RestorePosition(Write("tilt.ov", "DirX=0\nDirY=0\nDirZ=-2\nUpX=3\nUpY=4\nUpZ=0\n"),
                                context, state));
    ExpectVec(state.direction, {0, 0, -1});
    ExpectVec(state.up, {0.6, 0.8, 0}, 1e-12);
}

TEST_F(SavedPositionTest, LongLinesAndFilesThatAreNotFilesAreReadSafely) {
    // A line is read to its first 255 characters; the rest, however long, is passed over
    // without being held, and the next line is read as usual.
    QByteArray text = "Zoom=3" + QByteArray(300, '5') + "\nSimSpeed=7\n";
    text += "Select=" + QByteArray(2 * 1024 * 1024, 'x') + "Mars\nCx=12\n";
    ViewState state;
    ASSERT_TRUE(RestorePosition(Write("long.ov", text), context, state));
    // "Zoom=" and the first 250 digits: 3.55...e249, not the whole 301-digit number.
    EXPECT_GT(state.zoom, 3.5e249);
    EXPECT_LT(state.zoom, 3.6e249);
    EXPECT_EQ(state.simSpeed, 7);
    EXPECT_EQ(state.selected, QString());  // the cut-off name is not a body
    EXPECT_EQ(state.cameraPosition.x, 12);

    // A pipe would block the reader until someone wrote to it; a folder is no position.
    const QString fifo = dir.filePath(QStringLiteral("pipe.ov"));
    ASSERT_EQ(mkfifo(qPrintable(fifo), 0600), 0);
    EXPECT_FALSE(RestorePosition(fifo, context, state));
    EXPECT_FALSE(RestorePosition(dir.path(), context, state));
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_TRUE(prompter.calls[0].text.endsWith(QStringLiteral("It is not an ordinary file.")));

    // Model names: a pipe where a model should be, or a name climbing out of the media
    // folder, leave that body's line out.
    Services::instance().setMediaDirectory(dir.path());
    ASSERT_TRUE(RestorePosition(Write("models.ov",
                                      "Body=Earth,\"pipe.ov\"\n"
                                      "Body=Mars,\"../../etc/passwd\"\n"
                                      "Body=Saturn,\"maps\\\\..\\\\..\\\\x.bmp\"\n"),
                                context, state));
    EXPECT_TRUE(state.userModels.empty());
    ASSERT_TRUE(RestorePosition(Write("model.ov", "Body=Mars,\"my..mars.bmp\"\n"), context, state));
    ASSERT_EQ(state.userModels.size(), 1u);
    EXPECT_EQ(state.userModels[0].file, QStringLiteral("my..mars.bmp"));
}
