#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "diagnostics/SystemInformation.h"

using namespace sysinfo;

namespace {

constexpr std::uint64_t kMb = 1048576;

QString Line(const QStringList& lines, const QString& label) {
    for (const QString& l : lines)
        if (l.startsWith(label + QStringLiteral(":\t"))) return l;
    return QString();
}

}  // namespace

TEST(SystemInformationTest, MemoryLinesGiveMegabytesAndPercentages) {
    MemoryFacts m;
    m.total = 64 * kMb;
    m.available = 16 * kMb;
    m.swapTotal = 3 * kMb / 2;
    m.swapFree = kMb;
    m.addressSpace = std::uint64_t(1) << 47;
    const QStringList lines = MemoryLines(m);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("Memory load:\t75%"));
    EXPECT_EQ(lines[1], QStringLiteral("Total physical memory:\t64.0MB"));
    EXPECT_EQ(lines[2], QStringLiteral("Total physical memory free:\t16.0MB"));
    EXPECT_EQ(lines[3], QStringLiteral("Total physical memory free:\t25.0%"));
    EXPECT_EQ(lines[4], QStringLiteral("Total page memory:\t1.500MB"));
    EXPECT_EQ(lines[5], QStringLiteral("Total page memory free:\t1.0MB"));
    EXPECT_EQ(lines[6], QStringLiteral("Virtual address size:\t134217728.0MB"));

    // A machine whose memory could not be read gives zeros, not a division by zero.
    const QStringList empty = MemoryLines(MemoryFacts{});
    EXPECT_EQ(empty[0], QStringLiteral("Memory load:\t0%"));
    EXPECT_EQ(empty[3], QStringLiteral("Total physical memory free:\t0.0%"));
}

TEST(SystemInformationTest, ReadsTheKernelsFiles) {
    const MemoryFacts m = ParseMemInfo(
        "MemTotal:        2048000 kB\n"
        "MemFree:          100000 kB\n"
        "MemAvailable:    1024000 kB\n"
        "garbage line\n"
        "SwapTotal:       1000 kB\n"
        "SwapFree:         500 kB\n"
        "SwapCached: x kB\n");
    EXPECT_EQ(m.total, 2048000u * 1024);
    EXPECT_EQ(m.available, 1024000u * 1024);
    EXPECT_EQ(m.swapTotal, 1000u * 1024);
    EXPECT_EQ(m.swapFree, 500u * 1024);
    // Without the kernel's estimate, free memory stands in.
    EXPECT_EQ(ParseMemInfo("MemTotal: 10 kB\nMemFree: 4 kB\n").available, 4u * 1024);
    EXPECT_EQ(ParseMemInfo(QByteArray()).total, 0u);

    EXPECT_EQ(ParseVirtualAddressBits("processor\t: 0\naddress sizes\t: 39 bits physical, 48 bits "
                                      "virtual\n"),
              48);
    EXPECT_EQ(ParseVirtualAddressBits("processor : 0\n"), 0);

    OsFacts os;
    ParseKernelRelease(QStringLiteral("6.1.0-18-amd64"), os);
    EXPECT_EQ(os.major, 6);
    EXPECT_EQ(os.minor, 1);
    EXPECT_EQ(os.build, 0);
    ParseKernelRelease(QStringLiteral("5.15"), os);
    EXPECT_EQ(os.major, 5);
    EXPECT_EQ(os.minor, 15);
    EXPECT_EQ(os.build, 0);
    ParseKernelRelease(QStringLiteral("weird"), os);
    EXPECT_EQ(os.major, 0);

    EXPECT_EQ(ParseOsRelease("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
                             "(bookworm)\"\nID=debian\n"),
              QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(ParseOsRelease("NAME=Alpine\n"), QStringLiteral("Alpine"));
    EXPECT_EQ(ParseOsRelease("no equals here\n=\n"), QString());
}

TEST(SystemInformationTest, OperatingSystemLines) {
    OsFacts os;
    os.major = 6;
    os.minor = 1;
    os.build = 0x12345;
    os.platform = QStringLiteral("Linux x86_64");
    os.additional = QStringLiteral("#1 SMP");
    os.distribution = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    os.display = true;
    os.openGlVersion = 0x405;
    const QStringList lines = OsLines(os);
    EXPECT_EQ(lines, QStringList({QStringLiteral("Major version number:\t6"),
                                  QStringLiteral("Minor version number:\t1"),
                                  QStringLiteral("Build number:\t9029"),
                                  QStringLiteral("Platform:\tLinux x86_64"),
                                  QStringLiteral("Additional Data:\t#1 SMP"),
                                  QStringLiteral("Distribution:\tDebian GNU/Linux 12 (bookworm)"),
                                  QStringLiteral("OpenGL version:\t4.5")}));
    os.display = false;
    EXPECT_EQ(OsLines(os).last(), QStringLiteral("OpenGL version:\tnot known (no display)"));
    os.display = true;
    os.openGlVersion = 0;
    EXPECT_TRUE(OsLines(os).last().startsWith(QStringLiteral("OpenGL version:\tnone")));
}

TEST(SystemInformationTest, TextureFormatTagsFollowTheirFixedOrder) {
    PixelFormat f;
    f.flags = 0x41;
    f.bitCount = 32;
    f.rMask = 0xFF0000;
    f.gMask = 0xFF00;
    f.bMask = 0xFF;
    f.aMask = 0xFF000000;
    EXPECT_EQ(TextureFormatLine(0, f),
              QStringLiteral("Format 0:\t32 bit (8 8 8 8) [RGB] [Alpha Channel] "));
    EXPECT_EQ(TextureFormatLine(3, PixelFormat::Rgb565()),
              QStringLiteral("Format 3:\t16 bit (5 6 5 0) [RGB] "));

    // Every flag at once: the tags come in the table's order, not the bits' order.
    PixelFormat all;
    all.bitCount = 8;
    all.flags = 0x40 | 0x2 | 0x1 | 0x8000 | 0x40000 | 0x80000 | 0x80 | 0x4 | 0x20000 | 0x800 |
                0x1000 | 0x8 | 0x20 | 0x10 | 0x100 | 0x4000 | 0x200 | 0x400 | 0x2000;
    const std::uint32_t dxt1 = 'D' | ('X' << 8) | ('T' << 16) | ('1' << 24);
    EXPECT_EQ(TextureFormatLine(12, all, dxt1),
              QStringLiteral("Format 12:\t8 bit (0 0 0 0) [RGB] [Alpha Only] [Alpha Channel] "
                             "[Alpha Premult] [Bump Y] [Bump DuDv] [Compressed] [4CC DXT1] [Y] "
                             "[PAL1] [PAL2] [PAL4] [PAL8] [TOPAL8] [RGB to YUV] [STENCIL] [YUV] "
                             "[Z] [Z Data] "));
}

TEST(SystemInformationTest, DisplayLinesShowMasksOnlyForRgbModes) {
    DisplayFacts d;
    d.display = true;
    d.size = QSize(1600, 1200);
    d.dpiX = d.dpiY = 96;
    d.depth = 24;
    d.refreshRate = 60;
    d.openGl = true;
    d.device = QStringLiteral("Mesa llvmpipe Software Rasteriser");
    d.vendor = QStringLiteral("Mesa");
    d.renderer = QStringLiteral("llvmpipe (LLVM 15.0.6, 256 bits)");
    d.version = QStringLiteral("4.5 (Core Profile) Mesa 22.3.6");
    d.maxTextureWidth = d.maxTextureHeight = 16384;
    d.textureUnits = 32;
    d.depthBits = 24;
    d.textureFormats = {PixelFormat::Argb8888(), PixelFormat::Palette8()};
    const QStringList lines = DisplayLines(d);
    EXPECT_EQ(lines[0], QStringLiteral("Size:\t1600x1200 pixels"));
    EXPECT_EQ(lines[1], QStringLiteral("Resolution:\t96x96 DPI"));
    EXPECT_EQ(lines[2], QStringLiteral("Bits per pixel:\t24"));
    EXPECT_EQ(lines[3], QStringLiteral("Refresh Rate:\t60"));
    EXPECT_EQ(Line(lines, QStringLiteral("Red Mask")),
              QStringLiteral("Red Mask:\t0x00ff0000 (8 bits)"));
    EXPECT_EQ(Line(lines, QStringLiteral("Blue Mask")),
              QStringLiteral("Blue Mask:\t0x000000ff (8 bits)"));
    EXPECT_EQ(Line(lines, QStringLiteral("Software Max Texture Size")),
              QStringLiteral("Software Max Texture Size:\t16384x16384"));
    EXPECT_EQ(Line(lines, QStringLiteral("Software ZBuffer Depth")),
              QStringLiteral("Software ZBuffer Depth:\t24 bits"));
    EXPECT_EQ(Line(lines, QStringLiteral("OpenGL Renderer")),
              QStringLiteral("OpenGL Renderer:\tllvmpipe (LLVM 15.0.6, 256 bits)"));
    const qsizetype header = lines.indexOf(QStringLiteral("Valid Texture Formats Below"));
    ASSERT_GE(header, 0);
    EXPECT_EQ(lines.size(), header + 3);
    EXPECT_EQ(lines[header + 2], QStringLiteral("Format 1:\t8 bit (0 0 0 0) [RGB] [PAL8] "));

    d.hardware = true;
    EXPECT_FALSE(Line(DisplayLines(d), QStringLiteral("Hardware Max Texture Size")).isEmpty());

    // A palettized screen has no channel masks.
    d.depth = 8;
    EXPECT_TRUE(Line(DisplayLines(d), QStringLiteral("Red Mask")).isEmpty());
    ASSERT_TRUE(MasksForDepth(16));
    EXPECT_EQ(MasksForDepth(16)->green, 0x07E0u);

    // No display: one line that says so, and nothing that pretends to be measured.
    d.display = false;
    const QStringList none = DisplayLines(d);
    ASSERT_EQ(none.size(), 1);
    EXPECT_TRUE(none[0].startsWith(QStringLiteral("Display:\tnone")));
}

TEST(SystemInformationTest, ProgramLinesSwitchUnitsAndShowTheRatioOnlyAfterAMiss) {
    ProgramCounters c;
    c.version = QStringLiteral("1.2.0");
    c.mapUsage = 5 * std::int64_t(kMb) / 2;
    c.peakMapUsage = 3 * std::int64_t(kMb);
    c.reductionFactor = 2;
    c.frames = 1234;
    c.starsMagLimit = 7.0f;
    c.starsLoaded = 15000;
    c.starsMemory = 100000;
    c.starDrawnTotal = 5000000000LL;
    c.nebulaHits = 7;
    c.nebulaMisses = 0;
    QStringList lines = ProgramLines(c);
    EXPECT_EQ(lines[0], QStringLiteral("Version:\t1.2.0"));
    EXPECT_EQ(lines[1], QStringLiteral("Map Usage:\t2.5MB"));
    EXPECT_EQ(lines[2], QStringLiteral("Peak Map Usage:\t3.0MB"));
    EXPECT_EQ(lines[3], QStringLiteral("Reduction Factor:\t2"));
    EXPECT_EQ(lines[4], QStringLiteral("Frames:\t1234"));
    EXPECT_EQ(lines[5], QStringLiteral("Stars Mag Limit:\t7.0"));
    EXPECT_EQ(lines[6], QStringLiteral("Stars Loaded:\t15000"));
    EXPECT_EQ(lines[7], QStringLiteral("Stars Memory Usage:\t100000 bytes"));
    EXPECT_EQ(Line(lines, QStringLiteral("Star Drawn Total")),
              QStringLiteral("Star Drawn Total:\t5000000000"));
    EXPECT_EQ(Line(lines, QStringLiteral("Nebula Cache Hit")),
              QStringLiteral("Nebula Cache Hit:\t7"));
    EXPECT_TRUE(Line(lines, QStringLiteral("Nebula Cache Ratio")).isEmpty());

    c.starsMemory = 100001;
    c.nebulaMisses = 2;
    lines = ProgramLines(c);
    EXPECT_EQ(lines[7], QStringLiteral("Stars Memory Usage:\t0.1MB"));
    EXPECT_EQ(Line(lines, QStringLiteral("Nebula Cache Ratio")),
              QStringLiteral("Nebula Cache Ratio:\t3.5:1"));
}

TEST(SystemInformationTest, DumpHasItsHeaderAndSectionsAndIsSavedWhole) {
    Dump dump;
    dump.sections[0] = {QStringLiteral("Memory load:\t5%")};
    dump.sections[3] = {QStringLiteral("Frames:\t0"), QStringLiteral("no tab")};
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 3));
    const QString text = DumpText(dump, when);
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "; System Information dump produced by Orbivale on 7 March 2026 at 09:05:03\n"
        "\n[Memory Manager]\nMemory load:\t5%\n\n[Operating System]\n\n[Display]\n"
        "\n[Orbivale]\nFrames:\t0\nno tab\n")))
        << qPrintable(text);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SystemInfo.log"));
    ASSERT_TRUE(SaveDump(path, dump, when));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), text);
    f.close();

    // A folder that is not there, or a name taken by a folder: nothing is written.
    EXPECT_FALSE(SaveDump(dir.filePath(QStringLiteral("missing/SystemInfo.log")), dump, when));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(SaveDump(dir.filePath(QStringLiteral("taken")), dump, when));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("SystemInfo.log")});

    const LineColumns split = SplitLine(QStringLiteral("Size:\t800x600 pixels\tmore"));
    EXPECT_TRUE(split.split);
    EXPECT_EQ(split.label, QStringLiteral("Size:"));
    EXPECT_EQ(split.value, QStringLiteral("800x600 pixels\tmore"));
    EXPECT_FALSE(SplitLine(QStringLiteral("Valid Texture Formats Below")).split);
}
