#include "core/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Text.h"
#include "core/Version.h"

bool FileExists(const QString& name) {
    return QFileInfo::exists(name);
}

bool IsRegularFile(const QString& name) {
    return QFileInfo(name).isFile();
}

qint64 FileSize(const QString& name) {
    if (!IsRegularFile(name)) return -1;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return file.size();
}

BmpHeader ReadBmpHeader(const QString& name) {
    BmpHeader header;
    if (!IsRegularFile(name)) return header;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return header;
    const QByteArray fileHeader = file.read(14);
    const QByteArray info = file.read(40);
    if (fileHeader.size() != 14 || info.size() != 40) return header;
    const auto* p = reinterpret_cast<const uchar*>(info.constData());
    header.width = qFromLittleEndian<qint32>(p + 4);
    header.height = qFromLittleEndian<qint32>(p + 8);
    header.bitsPerPixel = qFromLittleEndian<quint16>(p + 14);
    header.ok = true;
    return header;
}

QString FileVersionText() {
    return QStringLiteral(ORBIVALE_VERSION_TEXT);
}

std::uint32_t FileVersionNumber(const QString& versionText) {
    const QStringList parts =
        versionText.split(QRegularExpression(QStringLiteral("[.,]")), Qt::KeepEmptyParts);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint32_t number = 0;
        if (i < parts.size()) {
            bool ok = false;
            number = static_cast<std::uint32_t>(parts[i].trimmed().toInt(&ok, 0)) & 0xFF;
            if (!ok) number = 0;
        }
        value |= number << (24 - 8 * i);
    }
    return value;
}

std::uint32_t FileVersionNumber() {
    return FileVersionNumber(FileVersionText());
}

QString OpenDocumentErrorText(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("Out of system resources");
        case 2:
            return QStringLiteral("File could not be found");
        case 3:
            return QStringLiteral("Path could not be found");
        case 5:
            return QStringLiteral("Access denied");
        case 8:
            return QStringLiteral("There was not enough memory to complete the operation");
        case 11:
            return QStringLiteral("Invalid executable");
        case 26:
            return QStringLiteral("A sharing violation occurred");
        case 27:
            return QStringLiteral("The file name association is incomplete or invalid");
        case 28:
            return QStringLiteral(
                "The DDE transaction could not be completed because the request timed out");
        case 29:
            return QStringLiteral("The DDE transaction failed");
        case 30:
            return QStringLiteral(
                "The DDE transaction could not be completed because other DDE transactions were "
                "being processed");
        case 31:
            return QStringLiteral(
                "There is no application associated with the given file name extension");
        case 32:
            return QStringLiteral("The specified dynamic-link library was not found");
        default:
            return FormatText("Error %d", code);
    }
}

void OpenDocument(const QString& path) {
    int code = 33;  // success
    const bool isUrl = path.contains(QStringLiteral("://"));
    if (!isUrl && !QFileInfo::exists(path)) {
        code = QFileInfo::exists(QFileInfo(path).absolutePath()) ? 2 : 3;
    } else {
        const auto& open = Services::instance().openDocument;
        if (!open || !open(path)) code = 31;
    }
    if (code < 33)
        ShowErrorText(QStringLiteral("An error occurred whilst trying to start ") + path +
                      QStringLiteral(".\nThe error message is '") + OpenDocumentErrorText(code) +
                      QStringLiteral("'."));
}

void ShowEncyclopediaTopic(const QString& topic) {
    const auto& show = Services::instance().showHelpTopic;
    if (show) show(topic);
}

#include <QDir>

std::vector<int> FindNumberedFiles(const QString& dir, const QString& stem,
                                   const QString& extension) {
    std::vector<int> digits;
    if (stem.isEmpty()) return digits;
    const QStringList names =
        QDir(dir).entryList({stem + QStringLiteral("?.") + extension}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QChar c = name.at(stem.size());
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits.push_back(c.unicode() - '0');
    }
    return digits;
}
