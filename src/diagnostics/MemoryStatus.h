#pragma once

#include <QString>
#include <cstdint>

// Physical memory from /proc/meminfo, in bytes (0 when it cannot be read).
struct MemoryStatus {
    std::uint64_t total = 0;
    std::uint64_t available = 0;
};
MemoryStatus ReadMemoryStatus(const QString& meminfoPath = QStringLiteral("/proc/meminfo"));
// "%.2f MB": 134217728 bytes is "128.00 MB".
QString MegabytesText(std::uint64_t bytes);
