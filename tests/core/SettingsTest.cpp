#include <QFile>
#include <QTemporaryDir>

#include "core/SettingsStore.h"
#include "support/TestSupport.h"

namespace {
void ExerciseStore(SettingsStore& s) {
    EXPECT_EQ(s.readInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), 1), 1);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), -60);
    s.writeBool(QStringLiteral("Control"), QStringLiteral("InvertMouse"), true);
    s.writeText(QStringLiteral("Simulation"), QStringLiteral("Location"),
                QStringLiteral("Oslo, Norway"));
    s.writeText(QStringLiteral("Simulation"), QStringLiteral("Latitude"), QStringLiteral("N12"));
    s.writeDouble(QStringLiteral("Simulation"), QStringLiteral("Longitude"), -2.25);
    s.writeText(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"),
                QStringLiteral("lots"));
    EXPECT_EQ(s.readInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), 1), -60);
    EXPECT_TRUE(s.readBool(QStringLiteral("Control"), QStringLiteral("InvertMouse"), false));
    EXPECT_EQ(s.readText(QStringLiteral("Simulation"), QStringLiteral("Location"), QString()),
              QStringLiteral("Oslo, Norway"));
    EXPECT_EQ(ReadDoubleSetting(s, QStringLiteral("Simulation"), QStringLiteral("Latitude"), 53.0),
              53.0);
    EXPECT_EQ(ReadDoubleSetting(s, QStringLiteral("Simulation"), QStringLiteral("Longitude"), 0),
              -2.25);
    EXPECT_EQ(ReadDoubleSetting(s, QStringLiteral("Simulation"), QStringLiteral("Missing"), 4.5),
              4.5);
    EXPECT_EQ(s.readInt(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"), 10), 10);
    EXPECT_TRUE(s.readBool(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"), true));
    EXPECT_EQ(s.keys(QStringLiteral("Control")), QStringList{QStringLiteral("InvertMouse")});
    s.remove(QStringLiteral("Control"), QStringLiteral("InvertMouse"));
    EXPECT_FALSE(s.read(QStringLiteral("Control"), QStringLiteral("InvertMouse")).has_value());
}
}  // namespace

TEST(SettingsStore, MemoryStore) {
    MemorySettingsStore store;
    ExerciseStore(store);
}

TEST(SettingsStore, IniStoreKeepsTextAcrossOpenings) {
    QTemporaryDir dir;
    {
        IniSettingsStore store(dir.path());
        ExerciseStore(store);
        EXPECT_EQ(store.fileName(), dir.path() + QStringLiteral("/Tarnwick/Orbivale.ini"));
    }
    IniSettingsStore again(dir.path());
    EXPECT_EQ(again.readInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), 1), -60);
    EXPECT_EQ(again.readText(QStringLiteral("Simulation"), QStringLiteral("Location"), QString()),
              QStringLiteral("Oslo, Norway"));
}

TEST(SettingsStore, IniStoreSurvivesAGarbledFile) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/Tarnwick"));
    QFile f(dir.path() + QStringLiteral("/Tarnwick/Orbivale.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02[[[Simulation\nSpeed==abc\n[DirectX]\n3DDevice=@Variant(\\0\\0)\n\xff\xfe");
    f.close();
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.readInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), 1), 1);
    EXPECT_EQ(
        store.readBool(QStringLiteral("DirectX"), QStringLiteral("MipmapAutoGenerate"), false),
        false);
}
