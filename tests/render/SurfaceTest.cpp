#include <QFile>
#include <QTemporaryDir>

#include "core/Files.h"
#include "render/ObjectDump.h"
#include "render/PixelFormat.h"
#include "render/Surface.h"
#include "render/TextureLoader.h"
#include "scene/Scene.h"
#include "support/TestSupport.h"

namespace {

class SurfaceTest : public ServicesTest {};

QImage Gradient(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return img;
}

}  // namespace

TEST(PixelFormat, ClassesAndFormatChoice) {
    EXPECT_EQ(PixelFormatClass(PixelFormat::LuminanceAlpha88()), 0);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Argb8888()), 3);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Argb4444()), 4);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Argb1555()), 5);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Xrgb8888()), 6);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Rgb565()), 7);
    EXPECT_EQ(PixelFormatClass(PixelFormat::Palette8()), 9);

    const PixelFormat f32a8 = PixelFormat::Argb8888(), f16a1 = PixelFormat::Argb1555();
    EXPECT_EQ(ChooseTextureFormat({f32a8, f16a1}, 16, 4), f32a8);
    EXPECT_EQ(ChooseTextureFormat({f16a1, f32a8}, 16, 4), f16a1);
    EXPECT_EQ(ChooseTextureFormat({f16a1, PixelFormat::Argb4444()}, 16, 4),
              PixelFormat::Argb4444());
    EXPECT_EQ(ChooseTextureFormat({PixelFormat::Rgb565(), f32a8}, 32, 0), f32a8);  // more bits win
    EXPECT_EQ(ChooseTextureFormat({PixelFormat::Rgb565(), PixelFormat::Palette8()}, 8, 0),
              PixelFormat::Palette8());
    EXPECT_FALSE(ChooseTextureFormat({PixelFormat::Rgb565()}, 8, 0).has_value());
    EXPECT_FALSE(ChooseTextureFormat({PixelFormat::Rgb565()}, 32, 8).has_value());
}

TEST_F(SurfaceTest, CopyRegionClipsAtTheEdges) {
    Surface src(Gradient(64, 64));
    Surface dst(PixelFormat::Xrgb8888(), 32, 32);
    ASSERT_TRUE(src.StartDrawing(true));
    ASSERT_TRUE(dst.StartDrawing(true));
    // A destination x of -10 with equal sizes: the source start moves 10 right, 10 fewer copied.
    dst.CopyRegion(src, 0, 0, 20, 20, -10, 0);
    dst.StopDrawing();
    src.StopDrawing();
    EXPECT_EQ(qRed(dst.image().pixel(0, 0)), 10);
    EXPECT_EQ(qRed(dst.image().pixel(9, 5)), 19);
    EXPECT_EQ(dst.image().pixel(10, 5) & 0xFFFFFF, 0u);  // nothing beyond the ten copied
    // Past the right edge the width is cut; a stretch halves the source step.
    Surface big(PixelFormat::Xrgb8888(), 32, 32);
    big.StartDrawing(true);
    src.StartDrawing(true);
    big.CopyRegion(src, 0, 0, 32, 32, 16, 0, 64, 64);
    big.StopDrawing();
    src.StopDrawing();
    // Cut to 16 x 32 on the destination, so 8 x 16 of the source, each pixel doubled.
    EXPECT_EQ(qRed(big.image().pixel(16, 0)), 0);
    EXPECT_EQ(qRed(big.image().pixel(31, 31)), 7);
    EXPECT_EQ(qGreen(big.image().pixel(31, 31)), 15);
}

TEST_F(SurfaceTest, PixelsAndRotation) {
    Surface s(PixelFormat::Xrgb8888(), 8, 8);
    s.PutPixel(1, 1, 0x0000FF, false);  // outside drawing mode: ignored
    EXPECT_EQ(s.image().pixel(1, 1) & 0xFFFFFF, 0u);
    ASSERT_TRUE(s.StartDrawing(true));
    s.PutPixel(1, 1, 0x0000C0, false);  // 0x00BBGGRR: red
    s.PutPixel(1, 1, 0x0000C0, true);   // additive, limited to 255
    s.PutPixel(50, 1, 0xFFFFFF, false);
    EXPECT_EQ(s.image().pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    s.PutPixel(2, 1, 0x00FF00, false);
    // Half a turn of the top-left 4x4 block into the top-right one.
    s.DrawRotated(180, 0, 0, 4, 4, 4, 0);
    s.StopDrawing();
    // (7, 3) takes the source (1, 1) and (6, 3) the source (2, 1).
    EXPECT_EQ(s.image().pixel(7, 3) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(s.image().pixel(6, 3) & 0xFFFFFF, 0x00FF00u);
    ASSERT_TRUE(s.Lock());
    EXPECT_NE(s.PixelAddress(1, 1), nullptr);
    EXPECT_EQ(s.PixelAddress(9, 1), nullptr);
    s.Unlock();
    EXPECT_TRUE(prompter.calls.empty());
    s.Unlock();  // unlocking twice is a broken precondition
    EXPECT_EQ(prompter.calls.size(), 1u);
}

TEST_F(SurfaceTest, RotatingAHugeOrFarOffRectangleTouchesOnlyTheSurface) {
    // Rectangles from a damaged objects file: the loops visit only pixels on the surface, so
    // these return at once instead of running through 2^31 rows.
    Surface s(PixelFormat::Xrgb8888(), 8, 8);
    ASSERT_TRUE(s.StartDrawing(true));
    s.PutPixel(0, 0, 0x0000FF, false);
    s.DrawRotated(30, 0, 1228654364, 64, 1421203511, 64, 1228654364);
    s.DrawRotated(0, 0, 0, 2147483647, 2147483647, -2147483647, -2147483647);
    s.DrawRotated(90, -2147483647, -2147483647, 4, 4, 4, 4);  // the source is off the surface
    s.StopDrawing();
    EXPECT_EQ(s.image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(s.image().pixel(5, 5) & 0xFFFFFF, 0u);
    ASSERT_TRUE(s.StartDrawing(true));
    s.DrawRotated(0, 0, 0, 2147483647, 2147483647, 0, 0);  // covers it: a copy of itself
    s.StopDrawing();
    EXPECT_EQ(s.image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(SurfaceTest, AlphaTexturesTakeTheirAlphaFromTheBitmap) {
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(0x80);
    const QString path = dir.filePath(QStringLiteral("alpha.bmp"));
    ASSERT_TRUE(grey.save(path));
    Surface a(PixelFormat::Argb8888(), 4, 4);
    ASSERT_TRUE(a.LoadBitmapIntoSurface(path, 0, 0));
    EXPECT_EQ(a.image().pixel(2, 2), 0x80808080u);
    Surface b(PixelFormat::Argb4444(), 4, 4);
    ASSERT_TRUE(b.LoadBitmapIntoSurface(path, 2, 2));  // clipped at the corner
    EXPECT_EQ(reinterpret_cast<const quint16*>(b.image().constScanLine(3))[3], 0x8888);
    EXPECT_EQ(reinterpret_cast<const quint16*>(b.image().constScanLine(1))[1], 0);
    Surface l(PixelFormat::LuminanceAlpha88(), 4, 4);
    ASSERT_TRUE(l.LoadBitmapIntoSurface(path, 0, 0));
    EXPECT_EQ(l.toArgb().pixel(0, 0), qRgba(0x80, 0x80, 0x80, 0x80));
    ASSERT_TRUE(l.Lock());
    EXPECT_FALSE(l.LoadBitmapIntoSurface(path, 0, 0));  // already locked
    l.Unlock();
}

TEST_F(SurfaceTest, SavesEightAndTwentyFourBitBitmaps) {
    Surface colour(Gradient(16, 8));
    const QString file = dir.filePath(QStringLiteral("out.bmp"));
    ASSERT_TRUE(colour.SaveSurfaceToBitmap(file));
    QImage back(file);
    EXPECT_EQ(ReadBmpHeader(file).bitsPerPixel, 24);
    EXPECT_EQ(back.pixel(5, 3), colour.image().pixel(5, 3));
    Surface paletted(PixelFormat::Palette8(), 8, 8);
    std::vector<QRgb> palette(256, qRgb(0, 0, 0));
    palette[3] = qRgb(10, 200, 30);
    paletted.setPalette(palette);
    paletted.image().fill(3);
    ASSERT_TRUE(paletted.SaveSurfaceToBitmap(file));
    back = QImage(file);
    EXPECT_EQ(ReadBmpHeader(file).bitsPerPixel, 8);
    EXPECT_EQ(back.pixel(1, 1), qRgb(10, 200, 30));
    EXPECT_FALSE(colour.SaveSurfaceToBitmap(QStringLiteral("/proc/no/such/place.bmp")));
}

TEST_F(SurfaceTest, SplittingIntoAGridOfSquareTextures) {
    scene::Scene scene;
    // A square picture whose parts are already power-of-two squares is cut, not resampled,
    // band by band from the top.
    Surface square(Gradient(1024, 1024));
    auto textures = SplitIntoTextureGrid(square, 4, 256, scene);
    ASSERT_EQ(textures.size(), 16u);
    EXPECT_EQ(textures[3]->image()->pixel(0, 0), square.image().pixel(768, 0));
    EXPECT_EQ(textures[4]->image()->pixel(0, 0), square.image().pixel(0, 256));
    EXPECT_EQ(textures[15]->width(), 256);

    // Pictures of any shape under a small texture limit (a wide map, odd sizes, a picture
    // smaller than the grid) give every piece a square power-of-two texture within the
    // limit, and never ask the user anything.
    for (const QSize size :
         {QSize(256, 128), QSize(200, 100), QSize(300, 77), QSize(3, 1), QSize(4096, 2048)}) {
        for (int pieces : {2, 4, 8}) {
            textures = SplitIntoTextureGrid(Surface(Gradient(size.width(), size.height())), pieces,
                                            64, scene);
            ASSERT_EQ(textures.size(), std::size_t(pieces * pieces));
            for (const auto& t : textures) {
                ASSERT_TRUE(t);
                EXPECT_EQ(t->width(), t->height());
                EXPECT_LE(t->width(), 64);
                EXPECT_EQ(t->width() & (t->width() - 1), 0) << t->width();
            }
        }
    }
    EXPECT_TRUE(prompter.calls.empty());
    // The wide map's last piece is its bottom-right corner, stretched to a square.
    textures = SplitIntoTextureGrid(Surface(Gradient(256, 128)), 2, 64, scene);
    EXPECT_EQ(textures[3]->width(), 64);
    EXPECT_GE(qRed(textures[3]->image()->pixel(63, 63)), 250);

    EXPECT_TRUE(SplitIntoTextureGrid(Surface(), 2, 64, scene).empty());
    EXPECT_TRUE(SplitIntoTextureGrid(square, 0, 64, scene).empty());
    EXPECT_TRUE(SplitIntoTextureGrid(square, 2, 0, scene).empty());
}

TEST_F(SurfaceTest, WritersOnAFullDiskKeepTheFileTheyWouldReplace) {
    // A picture and the object dump each fail whole: the earlier file stays as it was and
    // no scratch copy is left beside it.
    const QString picture = dir.filePath(QStringLiteral("kept.bmp"));
    Surface small(Gradient(4, 4));
    ASSERT_TRUE(small.SaveSurfaceToBitmap(picture));
    QFile f(picture);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray old = f.readAll();
    f.close();

    scene::Scene scene;
    const QString dump = DumpObjects(scene);
    ASSERT_FALSE(dump.isEmpty());
    QFile d(dump);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    const QByteArray oldDump = d.readAll();
    d.close();
    for (int i = 0; i < 50; ++i)
        scene.createLight(scene::LightType::Ambient, {0.1, 0.1, 0.1})
            ->setName(scene::SceneName(QStringLiteral("Light:"), QString::number(i)));

    const QStringList before = FolderEntries(dir.path());
    {
        FileSizeCap full(old.size() / 2);
        EXPECT_FALSE(Surface(Gradient(64, 64)).SaveSurfaceToBitmap(picture));
        EXPECT_TRUE(DumpObjects(scene).isEmpty());
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    EXPECT_EQ(d.readAll(), oldDump);
    EXPECT_EQ(FolderEntries(dir.path()), before);
}
