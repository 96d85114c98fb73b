#include "diagnostics/MemoryStatus.h"

#include <QFile>

#include "core/Text.h"

MemoryStatus ReadMemoryStatus(const QString& path) {
    MemoryStatus m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return m;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        const std::uint64_t kb = parts[1].toULongLong();
        if (parts[0] == "MemTotal:") m.total = kb * 1024;
        if (parts[0] == "MemAvailable:") m.available = kb * 1024;
    }
    return m;
}

QString MegabytesText(std::uint64_t bytes) {
    return FormatText("%.2f MB", bytes / 1048576.0);
}
