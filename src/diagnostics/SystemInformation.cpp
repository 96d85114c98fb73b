#include "diagnostics/SystemInformation.h"

#include <sys/utsname.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <bit>

#include "core/CheckedSaveFile.h"
#include "core/Text.h"

namespace sysinfo {

namespace {

constexpr double kMegabyte = 1048576.0;

double Mb(std::uint64_t bytes) {
    return double(bytes) / kMegabyte;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The pixel format flags and their tags, in the order the tags are written.
struct FlagTag {
    std::uint32_t flag;
    const char* tag;
};
constexpr std::array<FlagTag, 19> kFlagTags = {{
    {0x40, "[RGB] "},          {0x2, "[Alpha Only] "},
    {0x1, "[Alpha Channel] "}, {0x8000, "[Alpha Premult] "},
    {0x40000, "[Bump Y] "},    {0x80000, "[Bump DuDv] "},
    {0x80, "[Compressed] "},   {0x4, nullptr},  // the four-character code, written with its letters
    {0x20000, "[Y] "},         {0x800, "[PAL1] "},
    {0x1000, "[PAL2] "},       {0x8, "[PAL4] "},
    {0x20, "[PAL8] "},         {0x10, "[TOPAL8] "},
    {0x100, "[RGB to YUV] "},  {0x4000, "[STENCIL] "},
    {0x200, "[YUV] "},         {0x400, "[Z] "},
    {0x2000, "[Z Data] "},
}};

QChar CodeLetter(std::uint32_t code, int byte) {
    const char c = char((code >> (8 * byte)) & 0xFF);
    return QChar::fromLatin1(c);
}

}  // namespace

QStringList MemoryLines(const MemoryFacts& m) {
    const int load = m.total ? int((m.total - std::min(m.available, m.total)) * 100 / m.total) : 0;
    const double freePercent = m.total ? double(m.available) / double(m.total) * 100.0 : 0.0;
    return {
        FormatText("Memory load:\t%d%%", load),
        FormatText("Total physical memory:\t%.1fMB", Mb(m.total)),
        FormatText("Total physical memory free:\t%.1fMB", Mb(m.available)),
        FormatText("Total physical memory free:\t%.1f%%", freePercent),
        FormatText("Total page memory:\t%.3fMB", Mb(m.swapTotal)),
        FormatText("Total page memory free:\t%.1fMB", Mb(m.swapFree)),
        FormatText("Virtual address size:\t%.1fMB", Mb(m.addressSpace)),
    };
}

QStringList OsLines(const OsFacts& os) {
    QStringList lines = {
        FormatText("Major version number:\t%d", os.major),
        FormatText("Minor version number:\t%d", os.minor),
        FormatText("Build number:\t%d", os.build & 0xFFFF),
        QStringLiteral("Platform:\t") + os.platform,
        QStringLiteral("Additional Data:\t") + os.additional,
        QStringLiteral("Distribution:\t") +
            (os.distribution.isEmpty() ? QStringLiteral("Unknown") : os.distribution),
    };
    if (!os.display)
        lines << QStringLiteral("OpenGL version:\tnot known (no display)");
    else if (os.openGlVersion <= 0)
        lines << QStringLiteral("OpenGL version:\tnone (no context could be made)");
    else
        lines << FormatText("OpenGL version:\t%d.%d", os.openGlVersion >> 8,
                            os.openGlVersion & 0xFF);
    return lines;
}

std::optional<RgbMasks> MasksForDepth(int depth) {
    switch (depth) {
        case 32:
        case 24:
            return RgbMasks{0xFF0000, 0x00FF00, 0x0000FF};
        case 30:
            return RgbMasks{0x3FF00000, 0x000FFC00, 0x000003FF};
        case 16:
            return RgbMasks{0xF800, 0x07E0, 0x001F};
        case 15:
            return RgbMasks{0x7C00, 0x03E0, 0x001F};
        default:
            return std::nullopt;
    }
}

QString TextureFormatLine(int index, const PixelFormat& f, std::uint32_t fourCC) {
    QString line =
        FormatText("Format %d:\t%d bit (%d %d %d %d) ", index, f.bitCount, std::popcount(f.rMask),
                   std::popcount(f.gMask), std::popcount(f.bMask), std::popcount(f.aMask));
    for (const FlagTag& t : kFlagTags) {
        if (!(f.flags & t.flag)) continue;
        if (t.tag) {
            line += QString::fromLatin1(t.tag);
        } else {
            line += QStringLiteral("[4CC ") + CodeLetter(fourCC, 0) + CodeLetter(fourCC, 1) +
                    CodeLetter(fourCC, 2) + CodeLetter(fourCC, 3) + QStringLiteral("] ");
        }
    }
    return line;
}

QStringList DisplayLines(const DisplayFacts& d) {
    if (!d.display)
        return {
            QStringLiteral("Display:\tnone (no display could be opened, so the screen and "
                           "OpenGL were not asked)")};
    QStringList lines = {
        FormatText("Size:\t%dx%d pixels", d.size.width(), d.size.height()),
        FormatText("Resolution:\t%dx%d DPI", d.dpiX, d.dpiY),
        FormatText("Bits per pixel:\t%d", d.depth),
        FormatText("Refresh Rate:\t%d", d.refreshRate),
    };
    if (const auto masks = MasksForDepth(d.depth)) {
        lines << FormatText("Red Mask:\t0x%08x (%d bits)", masks->red, std::popcount(masks->red))
              << FormatText("Green Mask:\t0x%08x (%d bits)", masks->green,
                            std::popcount(masks->green))
              << FormatText("Blue Mask:\t0x%08x (%d bits)", masks->blue,
                            std::popcount(masks->blue));
    }
    lines << QStringLiteral("OpenGL Device:\t") +
                 (d.device.isEmpty() ? QStringLiteral("none") : d.device);
    if (!d.openGl) {
        lines << QStringLiteral("OpenGL:\tno context could be made");
    } else {
        const char* kind = d.hardware ? "Hardware" : "Software";
        lines << QStringLiteral("OpenGL Vendor:\t") + d.vendor
              << QStringLiteral("OpenGL Renderer:\t") + d.renderer
              << QStringLiteral("OpenGL Version:\t") + d.version
              << FormatText("%s Max Texture Size:\t%dx%d", kind, d.maxTextureWidth,
                            d.maxTextureHeight)
              << FormatText("%s Texture Units:\t%d", kind, d.textureUnits)
              << FormatText("%s ZBuffer Depth:\t%d bits", kind, d.depthBits);
    }
    lines << QStringLiteral("Valid Texture Formats Below");
    for (std::size_t i = 0; i < d.textureFormats.size(); ++i)
        lines << TextureFormatLine(int(i), d.textureFormats[i]);
    return lines;
}

QStringList ProgramLines(const ProgramCounters& c) {
    QStringList lines = {
        QStringLiteral("Version:\t") + c.version,
        FormatText("Map Usage:\t%.1fMB", double(c.mapUsage) / kMegabyte),
        FormatText("Peak Map Usage:\t%.1fMB", double(c.peakMapUsage) / kMegabyte),
        FormatText("Reduction Factor:\t%d", c.reductionFactor),
        FormatText("Frames:\t%d", c.frames),
        FormatText("Stars Mag Limit:\t%.1f", double(c.starsMagLimit)),
        FormatText("Stars Loaded:\t%d", c.starsLoaded),
    };
    if (c.starsMemory <= 100000)
        lines << FormatText("Stars Memory Usage:\t%d bytes", int(c.starsMemory));
    else
        lines << FormatText("Stars Memory Usage:\t%.1fMB", Mb(c.starsMemory));
    lines << FormatText("Star Drawn Sample:\t%d", c.starDrawnSample)
          << FormatText("Star Missed Sample:\t%d", c.starMissedSample)
          << FormatText("Star Drawn Total:\t%lld", static_cast<long long>(c.starDrawnTotal))
          << FormatText("Star Missed Total:\t%lld", static_cast<long long>(c.starMissedTotal))
          << FormatText("Nebula Cache Hit:\t%d", c.nebulaHits)
          << FormatText("Nebula Cache Miss:\t%d", c.nebulaMisses);
    if (c.nebulaMisses > 0)
        lines << FormatText("Nebula Cache Ratio:\t%.1f:1",
                            double(c.nebulaHits) / double(c.nebulaMisses));
    lines << QStringLiteral("Settings File:\t") + c.settingsFile
          << QStringLiteral("User Data Folder:\t") + c.userDataFolder;
    return lines;
}

LineColumns SplitLine(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0) return {line, QString(), false};
    return {line.left(tab), line.mid(tab + 1), true};
}

QString DumpText(const Dump& dump, const QDateTime& when) {
    // The program speaks English, so the month is written in English whatever the locale.
    const QString moment =
        QLocale(QLocale::English).toString(when, QStringLiteral("d MMMM yyyy 'at' hh:mm:ss"));
    QString text = QStringLiteral("; System Information dump produced by Orbivale on ") + moment +
                   QLatin1Char('\n');
    for (std::size_t i = 0; i < dump.sections.size(); ++i) {
        text +=
            QStringLiteral("\n[") + QString::fromLatin1(Dump::kSections[i]) + QStringLiteral("]\n");
        for (const QString& line : dump.sections[i]) text += line + QLatin1Char('\n');
    }
    return text;
}

bool SaveDump(const QString& path, const Dump& dump, const QDateTime& when) {
    CheckedSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) &&
           file.write(DumpText(dump, when)) && file.commit();
}

MemoryFacts ParseMemInfo(const QByteArray& meminfo) {
    MemoryFacts m;
    bool haveAvailable = false;
    std::uint64_t memFree = 0;
    for (const QByteArray& line : meminfo.split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        bool ok = false;
        const std::uint64_t kb = parts[1].toULongLong(&ok);
        if (!ok) continue;
        const std::uint64_t bytes = kb * 1024;
        const QByteArray& key = parts[0];
        if (key == "MemTotal:")
            m.total = bytes;
        else if (key == "MemFree:")
            memFree = bytes;
        else if (key == "MemAvailable:")
            m.available = bytes, haveAvailable = true;
        else if (key == "SwapTotal:")
            m.swapTotal = bytes;
        else if (key == "SwapFree:")
            m.swapFree = bytes;
    }
    // Kernels before 3.14 do not estimate what is available; free memory is the nearest.
    if (!haveAvailable) m.available = memFree;
    return m;
}

int ParseVirtualAddressBits(const QByteArray& cpuinfo) {
    static const QRegularExpression re(QStringLiteral(R"(address sizes\s*:.*?(\d+) bits virtual)"));
    const QRegularExpressionMatch match = re.match(QString::fromLatin1(cpuinfo));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void ParseKernelRelease(const QString& release, OsFacts& os) {
    static const QRegularExpression re(QStringLiteral(R"(^(\d+)(?:\.(\d+))?(?:\.(\d+))?)"));
    const QRegularExpressionMatch match = re.match(release);
    os.major = match.hasMatch() ? match.captured(1).toInt() : 0;
    os.minor = match.hasMatch() ? match.captured(2).toInt() : 0;
    os.build = match.hasMatch() ? match.captured(3).toInt() : 0;
}

QString ParseOsRelease(const QByteArray& osRelease) {
    QString pretty, name;
    for (const QByteArray& raw : osRelease.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        const QString key = line.left(eq);
        if (key == QLatin1String("PRETTY_NAME")) pretty = value;
        if (key == QLatin1String("NAME")) name = value;
    }
    return pretty.isEmpty() ? name : pretty;
}

MemoryFacts ReadMemoryFacts(const QString& meminfo, const QString& cpuinfo) {
    MemoryFacts m = ParseMemInfo(ReadAll(meminfo));
    // User programs get the lower half of the addresses the processor translates.
    int bits = ParseVirtualAddressBits(ReadAll(cpuinfo));
    if (bits <= 0) bits = sizeof(void*) == 8 ? 48 : 32;
    m.addressSpace = std::uint64_t(1) << (bits - 1);
    return m;
}

OsFacts ReadOsFacts(const QString& osRelease) {
    OsFacts os;
    utsname u{};
    if (uname(&u) == 0) {
        ParseKernelRelease(QString::fromLocal8Bit(u.release), os);
        os.platform = QString::fromLocal8Bit(u.sysname) + QLatin1Char(' ') +
                      QString::fromLocal8Bit(u.machine);
        os.additional = QString::fromLocal8Bit(u.version);
    }
    os.distribution = ParseOsRelease(ReadAll(osRelease));
    return os;
}

}  // namespace sysinfo
