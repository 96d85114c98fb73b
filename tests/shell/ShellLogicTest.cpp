#include <QFileInfo>
#include <QTemporaryDir>

#include "core/SettingsStore.h"
#include "shell/ShellLogic.h"
#include "support/TestSupport.h"

using namespace ShellLogic;

TEST(ShellLogic, UpdateSpeeds) {
    MemorySettingsStore s;
    EXPECT_EQ(StoredUpdateSpeed(s), 4);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("FPS"), 12);
    EXPECT_EQ(StoredUpdateSpeed(s), 4);
    EXPECT_EQ(QString::fromLatin1(UpdateSpeeds()[4].text), QStringLiteral("10 Frames a Second"));
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("FPS"), -1);
    EXPECT_EQ(StoredUpdateSpeed(s), 4);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("FPS"), 9);
    EXPECT_EQ(StoredUpdateSpeed(s), 9);
    EXPECT_EQ(UpdateSpeeds()[9].intervalMs, 10000);
}

TEST(ShellLogic, RecentFilesMove) {
    MemorySettingsStore s;
    RecentFiles r;
    for (const char* p : {"/d.ov", "/c.ov", "/b.ov", "/a.ov"}) r.Add(QString::fromLatin1(p));
    EXPECT_EQ(r.paths(), (QStringList{"/a.ov", "/b.ov", "/c.ov", "/d.ov"}));
    r.Add(QStringLiteral("/c.ov"));  // third moves to the top, the first two down
    EXPECT_EQ(r.paths(), (QStringList{"/c.ov", "/a.ov", "/b.ov", "/d.ov"}));
    r.Add(QStringLiteral("/e.ov"));  // a new one pushes the fourth out
    EXPECT_EQ(r.paths(), (QStringList{"/e.ov", "/c.ov", "/a.ov", "/b.ov"}));
    r.Add(QStringLiteral("/e.ov"));
    EXPECT_EQ(r.paths().first(), QStringLiteral("/e.ov"));
    r.Write(s);
    RecentFiles back;
    back.Read(s);
    EXPECT_EQ(back.paths(), r.paths());
    EXPECT_EQ(s.readText(QStringLiteral("General"), QStringLiteral("FileList2"), QString()),
              QStringLiteral("/c.ov"));
    RecentFiles none;
    none.Read(MemorySettingsStore());
    EXPECT_TRUE(none.paths().isEmpty());
}

class SafeModeTest : public ServicesTest {};

TEST_F(SafeModeTest, AnsweredNoWritesNothing) {
    MemorySettingsStore s;
    EXPECT_FALSE(OfferSafeMode(s, false));
    EXPECT_TRUE(prompter.calls.empty());
    prompter.answer = MessageResult::No;
    EXPECT_FALSE(OfferSafeMode(s, true));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Safe Mode"));
    for (const char* section : {"DirectX", "Simulation"})
        EXPECT_TRUE(s.keys(QLatin1String(section)).isEmpty());
    prompter.answer = MessageResult::Yes;
    EXPECT_TRUE(OfferSafeMode(s, true));
    EXPECT_EQ(s.readInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 0), 30);
    EXPECT_TRUE(s.readBool(QStringLiteral("DirectX"), QStringLiteral("StarsUseDrawPrim"), false));
    EXPECT_TRUE(Services::instance().systemLog().contains(
        QStringLiteral("Set display properties to default.")));
}

TEST(ShellLogic, PositionFolderDefaultsToSavedPositionsInTheUserFolder) {
    QTemporaryDir user;
    MemorySettingsStore s;
    const QString folder = PositionFolder(s, user.path());
    EXPECT_EQ(folder, user.path() + QStringLiteral("/Saved Positions"));
    EXPECT_TRUE(QFileInfo(folder).isDir());  // made on first use
    s.set(settings::SaveLocation, user.path());
    EXPECT_EQ(PositionFolder(s, user.path()), user.path());
    // A chosen folder that has gone away falls back to the default.
    s.set(settings::SaveLocation, user.path() + QStringLiteral("/gone"));
    EXPECT_EQ(PositionFolder(s, user.path()), folder);
}
