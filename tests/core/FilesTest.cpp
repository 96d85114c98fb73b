#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <vector>

#include "core/Files.h"
#include "support/Bitmaps.h"
#include "support/ControlHelpers.h"
#include "support/TestSupport.h"

namespace {

void WriteBmpHeader(const QString& path, int width, int height, int bits, int infoBytes = 40) {
    QByteArray bytes(14 + infoBytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    auto* info = reinterpret_cast<uchar*>(bytes.data() + 14);
    if (infoBytes >= 16) {
        qToLittleEndian<qint32>(40, info);
        qToLittleEndian<qint32>(width, info + 4);
        qToLittleEndian<qint32>(height, info + 8);
        qToLittleEndian<quint16>(1, info + 12);
        qToLittleEndian<quint16>(static_cast<quint16>(bits), info + 14);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Grid {
    int w, h;
    std::vector<int> p;
    int width() const { return w; }
    int height() const { return h; }
    int pixel(int x, int y) const { return p[y * w + x]; }
    void setPixel(int x, int y, int v) { p[y * w + x] = v; }
};

}  // namespace

class FilesTest : public ServicesTest {};

TEST_F(FilesTest, BmpHeaderAndSizes) {
    const QString good = dir.filePath(QStringLiteral("good.bmp"));
    WriteBmpHeader(good, 512, 256, 24);
    const BmpHeader h = ReadBmpHeader(good);
    EXPECT_TRUE(h.ok);
    EXPECT_EQ(h.width, 512);
    EXPECT_EQ(h.height, 256);
    EXPECT_EQ(h.bitsPerPixel, 24);
    EXPECT_EQ(FileSize(good), 54);

    const QString shortFile = dir.filePath(QStringLiteral("short.bmp"));
    WriteBmpHeader(shortFile, 1, 1, 8, 20);
    EXPECT_FALSE(ReadBmpHeader(shortFile).ok);
    EXPECT_FALSE(ReadBmpHeader(dir.filePath(QStringLiteral("missing.bmp"))).ok);
    EXPECT_EQ(FileSize(dir.filePath(QStringLiteral("missing.bmp"))), -1);
    EXPECT_TRUE(FileExists(good));
}

TEST_F(FilesTest, FindNumberedFilesListsDigitsOnly) {
    for (const char* name : {"Earth0.bmp", "Earth3.bmp", "Earth9.bmp", "EarthSmall.bmp",
                             "EarthX.bmp", "Earth12.bmp", "Mars1.bmp", "Earth1.obj"})
        QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindNumberedFiles(dir.path(), QStringLiteral("Earth"), QStringLiteral("bmp")),
              (std::vector<int>{0, 3, 9}));
    EXPECT_TRUE(
        FindNumberedFiles(dir.path(), QStringLiteral("Venus"), QStringLiteral("bmp")).empty());
}

TEST_F(FilesTest, RotateBitmap) {
    Grid src{4, 4, {}};
    for (int i = 0; i < 16; ++i) src.p.push_back(i);
    Grid dst{4, 4, std::vector<int>(16, 0)};
    RotateBitmap(src, dst, 0.0, -1);
    EXPECT_EQ(dst.p, src.p);
    // A quarter turn: destination (j, i) takes source (2 - (i - 2), 2 + (j - 2)), rounded.
    RotateBitmap(src, dst, 3.14159265358979 / 2, -1);
    EXPECT_EQ(dst.pixel(2, 2), src.pixel(2, 2));
    EXPECT_EQ(dst.pixel(3, 2), src.pixel(2, 3));
    EXPECT_EQ(dst.pixel(2, 0), -1);  // its source (4, 2) is outside: fill
}

TEST_F(FilesTest, OpenDocumentReportsMissingFiles) {
    OpenDocument(dir.filePath(QStringLiteral("nothing.htm")));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("An error occurred whilst trying to start ") +
                  dir.filePath(QStringLiteral("nothing.htm")) +
                  QStringLiteral(".\nThe error message is 'File could not be found'."));
    QString opened;
    Services::instance().openDocument = [&](const QString& p) { return opened = p, true; };
    OpenDocument(dir.path());
    EXPECT_EQ(opened, dir.path());
    EXPECT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(OpenDocumentErrorText(99), QStringLiteral("Error 99"));
}

namespace {
struct FakeItem {
    QString t;
    QString text() const { return t; }
};
struct FakeList {
    std::vector<FakeItem> items;
    int row = -1;
    int count() const { return static_cast<int>(items.size()); }
    int currentRow() const { return row; }
    void setCurrentRow(int r) { row = r; }
    FakeItem* item(int i) { return &items[i]; }
    const FakeItem* item(int i) const { return &items[i]; }
};
struct FakeBar {
    int min = 1, max = 102, value = 30;
    int minimum() const { return min; }
    int maximum() const { return max; }
    void setValue(int v) { value = v; }
};
}  // namespace

TEST(ControlHelpers, ListsAndBars) {
    FakeList list{{{QStringLiteral("Earth")}, {QStringLiteral("Mars")}, {QStringLiteral("Mars")}}};
    EXPECT_EQ(SelectedListText(list), QString());
    EXPECT_EQ(SelectListText(list, QStringLiteral("Mars")), 1);
    EXPECT_EQ(SelectedListText(list), QStringLiteral("Mars"));
    EXPECT_EQ(SelectListText(list, QStringLiteral("Pluto")), -1);
    EXPECT_EQ(list.currentRow(), -1);
    FakeBar bar;
    SetTrackBarClamped(bar, 500);
    EXPECT_EQ(bar.value, 102);
    SetTrackBarClamped(bar, -5);
    EXPECT_EQ(bar.value, 1);
}
