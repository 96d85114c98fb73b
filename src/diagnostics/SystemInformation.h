#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/PixelFormat.h"

// The system information dump: facts about memory, the operating system, the display and
// OpenGL, and the program's own counters, each a line of a label, a tab and a value.
namespace sysinfo {

// From /proc/meminfo (swap stands for the page file) and the address width.
struct MemoryFacts {
    std::uint64_t total = 0;
    std::uint64_t available = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapFree = 0;
    std::uint64_t addressSpace = 0;  // the user part of the virtual address space
};

// From uname and /etc/os-release.
struct OsFacts {
    int major = 0, minor = 0, build = 0;  // of the kernel release
    QString platform;                     // the kernel's name and the machine ("Linux x86_64")
    QString additional;                   // the kernel's build text
    QString distribution;                 // os-release's PRETTY_NAME
    int openGlVersion = 0;                // major x 256 + minor; 0 when none could be had
    bool display = false;                 // whether there was a display to ask OpenGL on
};

// Red, green and blue masks of a true-colour or high-colour screen.
struct RgbMasks {
    std::uint32_t red = 0, green = 0, blue = 0;
};

// From the screen and an OpenGL context on the driver in use.
struct DisplayFacts {
    bool display = false;    // false: there was no display to ask
    QSize size;              // the desktop in pixels
    int dpiX = 0, dpiY = 0;  // logical pixels per inch
    int depth = 0;           // bits per pixel
    int refreshRate = 0;     // Hz
    bool openGl = false;     // false: no context could be made
    QString device;          // the chosen driver's description
    bool hardware = false;   // whether that driver is a GPU's
    QString vendor, renderer, version;
    int maxTextureWidth = 0, maxTextureHeight = 0;
    int textureUnits = 0;
    int depthBits = 0;
    std::vector<PixelFormat> textureFormats;
};

// The program's counters.
struct ProgramCounters {
    QString version;
    std::int64_t mapUsage = 0, peakMapUsage = 0;  // bytes of the loaded models' textures
    int reductionFactor = 0;                      // the model detail level
    int frames = 0;
    float starsMagLimit = 0;
    int starsLoaded = 0;
    std::uint32_t starsMemory = 0;  // bytes
    int starDrawnSample = 0, starMissedSample = 0;
    std::int64_t starDrawnTotal = 0, starMissedTotal = 0;
    int nebulaHits = 0, nebulaMisses = 0;
    QString settingsFile;    // where the settings are kept
    QString userDataFolder;  // where the log file and exports go
};

QStringList MemoryLines(const MemoryFacts& m);
QStringList OsLines(const OsFacts& os);
QStringList DisplayLines(const DisplayFacts& d);
QStringList ProgramLines(const ProgramCounters& c);

// "Format %d:\t%d bit (%d %d %d %d) " and a tag for each flag set, in a fixed order.
QString TextureFormatLine(int index, const PixelFormat& format, std::uint32_t fourCC = 0);
// None for palettized and unknown depths.
std::optional<RgbMasks> MasksForDepth(int depth);

// A line split at its first tab into label and value; a line without a tab is all label.
struct LineColumns {
    QString label, value;
    bool split = false;
};
LineColumns SplitLine(const QString& line);

// The four sections in page order.
struct Dump {
    static constexpr std::array<const char*, 4> kSections = {"Memory Manager", "Operating System",
                                                             "Display", "Orbivale"};
    std::array<QStringList, 4> sections;
};
// The header line with the moment, then each section's name in brackets and its lines.
QString DumpText(const Dump& dump, const QDateTime& when);
// Replaces the file with the dump; false (and the file as it was) when it cannot be written.
bool SaveDump(const QString& path, const Dump& dump, const QDateTime& when);

// Parsers of the operating system's files, for the readers below.
MemoryFacts ParseMemInfo(const QByteArray& meminfo);
// The virtual address bits /proc/cpuinfo states ("address sizes : 39 bits physical, 48 bits
// virtual"), or 0.
int ParseVirtualAddressBits(const QByteArray& cpuinfo);
// "6.1.0-18-amd64": 6, 1, 0.
void ParseKernelRelease(const QString& release, OsFacts& os);
// PRETTY_NAME, else NAME, unquoted; empty when neither is there.
QString ParseOsRelease(const QByteArray& osRelease);

// The readers of this machine.
MemoryFacts ReadMemoryFacts(const QString& meminfo = QStringLiteral("/proc/meminfo"),
                            const QString& cpuinfo = QStringLiteral("/proc/cpuinfo"));
OsFacts ReadOsFacts(const QString& osRelease = QStringLiteral("/etc/os-release"));

}  // namespace sysinfo
