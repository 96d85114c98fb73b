#pragma once

#include <QString>
#include <cstdint>

bool FileExists(const QString& name);
// A regular file (after links), not a folder, pipe or device: reading one of those could
// wait for ever or never end.
bool IsRegularFile(const QString& name);
// Size in bytes, -1 when the file cannot be opened.
qint64 FileSize(const QString& name);

struct BmpHeader {
    bool ok = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};
// Reads the 14-byte file header and the 40-byte information header of a BMP file.
BmpHeader ReadBmpHeader(const QString& name);

// The program's version ("1.0.0"), compiled in.
QString FileVersionText();
// Up to four numbers split at '.' or ',', one byte each, the first in the top byte.
std::uint32_t FileVersionNumber(const QString& versionText);
std::uint32_t FileVersionNumber();

// Opens a document with the desktop; on failure shows why.
void OpenDocument(const QString& path);
QString OpenDocumentErrorText(int code);

// Opens the help at a topic.
void ShowEncyclopediaTopic(const QString& topic);

#include <vector>
// The digits d of the files "<stem><d>.<extension>" in dir (for example Earth?.bmp), in
// name order. Names whose single character is not a digit are left out.
std::vector<int> FindNumberedFiles(const QString& dir, const QString& stem,
                                   const QString& extension);
