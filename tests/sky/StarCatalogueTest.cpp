#include <QFile>

#include "core/SettingsStore.h"
#include "sky/SkyData.h"
#include "sky/SkyMath.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {
StarRecord Parse(const char* line, float* magnitude = nullptr, std::uint32_t* memory = nullptr) {
    StarRecord r;
    float m = 0;
    std::uint32_t mem = 0;
    EXPECT_TRUE(StarCatalogue::ParseStarLine(QByteArray(line), r, m, mem)) << line;
    if (magnitude) *magnitude = m;
    if (memory) *memory = mem;
    return r;
}
}  // namespace

TEST(SkyMath, ZonesAndIndices) {
    EXPECT_EQ(MagIndex(-2), 0);
    EXPECT_EQ(MagIndex(5.0), 133);
    EXPECT_EQ(MagIndex(7.0), 171);
    EXPECT_EQ(MagIndex(10.0), 228);
    EXPECT_EQ(SkyZoneOf(6, -16), 6 * 18 + 7);
    EXPECT_EQ(SkyZoneOf(23, 90), 432);
    EXPECT_EQ(SkyZoneOf(-1, 0), 23 * 18 + 9);
    EXPECT_EQ(SkyZoneOf(24, 0), 9);
    EXPECT_EQ(SkyZoneOf(0, 95), SkyZoneOf(0, 85));
    EXPECT_EQ(SkyZoneOf(0, -95), SkyZoneOf(0, -85));
    // The north ecliptic pole (18 h, +66.56) is the scene's +y; 0 h on the equator is +x.
    const scene::Vec3 nep = RaDecToWorld(18, 66.5607);
    EXPECT_NEAR(nep.y, 1, 1e-6);
    const scene::Vec3 equinox = RaDecToWorld(0, 0);
    EXPECT_NEAR(equinox.x, 1, 1e-12);
    const RaDec back = WorldToRaDec(RaDecToWorld(5.6, -1));
    EXPECT_NEAR(back.ra * 12 / 3.14159265358979, 5.6, 1e-6);
    EXPECT_NEAR(back.dec * 180 / 3.14159265358979, -1, 1e-6);
    EXPECT_EQ(UnitVectorToRaDec({0, 1, 0}).ra, 0);
}

TEST(StarCatalogue, LinesAndNames) {
    float magnitude = 0;
    std::uint32_t memory = 0;
    StarRecord sirius = Parse("17,,,,6.75248,-16.71612,-1.46,A", &magnitude, &memory);
    EXPECT_FALSE(sirius.names);
    EXPECT_EQ(sirius.magIndex, 10);
    EXPECT_EQ(sirius.spectral, 3);
    EXPECT_EQ(sirius.zone, 115);
    EXPECT_FLOAT_EQ(magnitude, -1.46f);
    EXPECT_EQ(memory, 0u);
    EXPECT_NEAR(std::sqrt(sirius.world[0] * sirius.world[0] + sirius.world[1] * sirius.world[1] +
                          sirius.world[2] * sirius.world[2]),
                1e6, 1);

    StarRecord acen = Parse("3,,alp1Cen,Rigil Kentaurus,14.66,-60.83,-0.01,G", nullptr, &memory);
    ASSERT_TRUE(acen.names);
    EXPECT_EQ(acen.names->greek, 'a');
    EXPECT_EQ(acen.names->superscript, '1');
    EXPECT_EQ(acen.names->proper, QStringLiteral("Rigil Kentaurus"));
    EXPECT_EQ(memory, 8u + 4u + 16u);  // record, "alp" and its end, the name and its end
    StarRecord mu = Parse("9,12,mu  Cen,,13.8,-42.4,3.04,B");
    EXPECT_EQ(mu.names->greek, 'm');
    EXPECT_EQ(mu.names->superscript, 0);
    EXPECT_EQ(mu.names->flamsteed, 12);
    StarRecord shortGreek = Parse("10,,alp,,1,1,4,K");
    EXPECT_EQ(shortGreek.names->greek, 0);  // three characters: no letter
    StarRecord carbon = Parse("11,,,x,1,1,8,C");
    EXPECT_EQ(carbon.spectral, 3);  // C is not one of the letters: read as A
    EXPECT_EQ(Parse("12,,,,1,1,8,N").spectral, 8);
    EXPECT_EQ(GreekUnicode('a'), QChar(0x03B1));
    EXPECT_EQ(GreekUnicode('w'), QChar(0x03C9));

    StarRecord junk;
    float m;
    std::uint32_t mem = 0;
    EXPECT_FALSE(StarCatalogue::ParseStarLine("# comment", junk, m, mem));
    EXPECT_FALSE(StarCatalogue::ParseStarLine("12,,,,nonsense", junk, m, mem));
    EXPECT_FALSE(StarCatalogue::ParseStarLine("", junk, m, mem));
}

TEST(StarCatalogue, LoadsToTheLimitInBlocks) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("stardata.csv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Id,Flamsteed,Greek,Name,RA,Dec,Mag,Class\n");
    for (int i = 0; i < 5000; ++i)
        f.write(QByteArray::number(i + 1) + ",,,," + QByteArray::number((i % 240) / 10.0) + ",10," +
                QByteArray::number(-1.0 + i * 0.002) + ",G\n");
    f.close();
    StarCatalogue c;
    c.Load(dir.path() + QLatin1Char('/'), 7.0f);
    // Magnitude -1 + 0.002 i passes 7.0 at i = 4000: that star is the last kept.
    EXPECT_EQ(c.starCount(), 4002);
    EXPECT_EQ(c.blocks().size(), 2u);
    EXPECT_EQ(c.blocks()[1]->firstMagIndex, MagIndex(-1.0 + 2048 * 0.002));
    EXPECT_EQ(c.StarByNumber(0), nullptr);
    EXPECT_EQ(c.StarByNumber(4003), nullptr);
    EXPECT_EQ(c.StarByNumber(2049), &c.blocks()[1]->stars[0]);
    EXPECT_EQ(c.memoryBytes(), 2u * 98316u);
    EXPECT_EQ(c.brightness()[MagIndex(0.0)], 255);
    EXPECT_EQ(c.brightness()[MagIndex(4.0)], 255);
    EXPECT_NEAR(c.brightness()[MagIndex(7.0)], 33, 3);  // faded to about 35 at the limit
    EXPECT_EQ(c.brightness()[MagIndex(9.0)], 0);

    StarCatalogue empty;
    empty.Load(QStringLiteral("/nonexistent/"), 7.0f);
    EXPECT_EQ(empty.starCount(), 0);
    EXPECT_EQ(empty.brightness()[0], 0);
}

TEST(StarCatalogue, LimitsFromTheSetting) {
    MemorySettingsStore s;
    EXPECT_FLOAT_EQ(LoadLimitMagnitude(s), 7.0f);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 0);
    EXPECT_FLOAT_EQ(LoadLimitMagnitude(s), 10.0f);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 50);
    EXPECT_FLOAT_EQ(LoadLimitMagnitude(s), 5.0f);
    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 900);
    EXPECT_FLOAT_EQ(LoadLimitMagnitude(s), 5.0f);
}

TEST(StarCatalogue, TheShippedCatalogue) {
    MemorySettingsStore s;
    SkyData sky;
    LoadStarData(sky, s, QStringLiteral(ORBIVALE_DATA_DIR));
    EXPECT_NEAR(sky.catalogue.starCount(), 15500, 200);
    const StarRecord* sirius = sky.catalogue.StarByNumber(1);
    ASSERT_TRUE(sirius && sirius->names);
    EXPECT_EQ(sirius->names->proper, QStringLiteral("Sirius"));
    EXPECT_EQ(sirius->names->greek, 'a');
    EXPECT_EQ(sirius->names->flamsteed, 9);
    EXPECT_EQ(sky.constellations.figures().size(), 88u);
    for (const auto& figure : sky.constellations.figures())
        for (std::int16_t n : figure.stars)
            if (n != -1) {
                EXPECT_NE(sky.catalogue.StarByNumber(n), nullptr)
                    << figure.label.toStdString() << " " << n;
            }
    EXPECT_GT(sky.constellations.boundaries().size(), 2000u);
    EXPECT_LE(sky.constellations.boundaries().size(), 3800u);
    EXPECT_GE(sky.catalogue.objects().size(), 1u);

    s.writeInt(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), 0);
    SkyData deep;
    LoadStarData(deep, s, QStringLiteral(ORBIVALE_DATA_DIR));
    EXPECT_GT(deep.catalogue.starCount(), 300000);
}

TEST(StarCatalogue, ExportWritesTheHeader) {
    QTemporaryDir dir;
    const QString path = ExportStarData(dir.path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              QByteArray("\"Id\",\"Constellation\",\"Greek\",\"Flamstead\",\"Mag\"\n"));
}

TEST(StarCatalogue, ExportOntoAFullDiskFailsAndKeepsTheEarlierExport) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("StarData.csv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier export\n");
    f.close();
    {
        FileSizeCap full(10);
        EXPECT_TRUE(ExportStarData(dir.path()).isEmpty());
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("earlier export\n"));
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("StarData.csv")});
}

TEST(StarCatalogue, ValuesOffTheSkyOrOffTheSheetAreRejected) {
    // Each of these once reached integer arithmetic out of range (a float-to-int overflow or
    // a wrapped sum) or made the object drawing loop for ages.
    StarRecord r;
    float m = 0;
    std::uint32_t mem = 0;
    for (const char* line :
         {"1,,,,1e10,10,5,G", "1,,,,-0.5,10,5,G", "1,,,,24.5,10,5,G", "1,,,,3,90.5,5,G",
          "1,,,,3,-1e30,5,G", "1,,,,3,10,1e30,G", "1,,,,nan,10,5,G", "1,,,,3,inf,5,G"})
        EXPECT_FALSE(StarCatalogue::ParseStarLine(line, r, m, mem)) << line;
    EXPECT_TRUE(StarCatalogue::ParseStarLine("1,,,,24,-90,5,G", r, m, mem));
    EXPECT_EQ(r.zone, SkyZoneAt(0, -90));
    EXPECT_EQ(MagIndex(std::nan("")), 0);
    EXPECT_EQ(MagIndex(1e30), MagIndex(1e30));  // held in range: no overflow to trap on

    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("Objects.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "1228654364,64,1421203511,5.6,-5.4,3.2\n"  // top + height wraps an int
        "0,64,2147483647,5.6,-5.4,3.2\n"
        "9223372036854775807,64,64,5.6,-5.4,3.2\n"  // top + height overflows 64 bits
        "99999999999999999999999,64,64,5.6,-5.4,3.2\n"
        "1,64,9223372036854775807,5.6,-5.4,3.2\n"
        "-64,64,64,5.6,-5.4,3.2\n"
        "0,0,64,5.6,-5.4,3.2\n"
        "0,9999999999,64,5.6,-5.4,3.2\n"
        "0,64,64,1e30,-5.4,3.2\n"
        "0,64,64,5.6,-95,3.2\n"
        "0,64,64,5.6,-5.4,1e30\n"
        "0,64,64,5.6,-5.4,-1\n"
        "448,64,64,23.5,89,1.5\n");  // the one good line, in the sheet's last band
    f.close();
    StarCatalogue c;
    c.Load(dir.path() + QLatin1Char('/'), 7.0f);
    ASSERT_EQ(c.objects().size(), 1u);
    EXPECT_EQ(c.objects()[0].top, 448);
    EXPECT_EQ(c.objects()[0].zone, SkyZoneOf(23, 89));
    EXPECT_EQ(c.objects()[0].slotCount, 7);

    EXPECT_TRUE(InSkyRange(0, -90) && InSkyRange(24, 90));
    EXPECT_FALSE(InSkyRange(24.01, 0) || InSkyRange(0, 90.01) || InSkyRange(-1e-9, 0));
    EXPECT_EQ(SkyZoneAt(1e10, 1e10), SkyZoneAt(std::fmod(1e10, 24.0), 90));
    EXPECT_EQ(SkyZoneAt(-1, 0), SkyZoneOf(23, 0));
    EXPECT_EQ(SkyZoneAt(std::nan(""), -1e300), SkyZoneOf(0, -90));
}
