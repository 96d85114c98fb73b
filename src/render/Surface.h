#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/PixelFormat.h"

// A 2D picture that can be drawn on in two ways: through a painter ("device-context mode")
// or by direct access to its locked pixel memory ("direct mode").
class Surface {
  public:
    Surface() = default;
    // A surface of this format and size; a null one when it cannot be made.
    Surface(const PixelFormat& format, int width, int height);
    // Wraps an existing picture, keeping its format.
    explicit Surface(QImage image);
    ~Surface();
    Surface(Surface&&) noexcept;
    Surface& operator=(Surface&&) noexcept;

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const PixelFormat& pixelFormat() const { return format_; }
    int formatClass() const { return PixelFormatClass(format_); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // The picture as 32-bit ARGB, whatever the storage.
    QImage toArgb() const;

    bool Lock();
    void Unlock();
    bool locked() const { return locked_; }
    bool StartDrawing(bool deviceContext);
    void StopDrawing();
    bool inDeviceContextMode() const { return painter_ != nullptr; }
    bool inDirectMode() const { return direct_; }
    QPainter* painter() { return painter_.get(); }

    // Address of a pixel of a locked surface.
    uchar* PixelAddress(int x, int y);
    // colour is 0x00BBGGRR; additive sums with a non-black pixel already there.
    void PutPixel(int x, int y, std::uint32_t colour, bool additive);
    // Stretch-copies from's rectangle (x, y, w, h) to (dx, dy, dw, dh); dw or dh 0 means w or h.
    void CopyRegion(Surface& from, int x, int y, int w, int h, int dx, int dy, int dw = 0,
                    int dh = 0);
    // A copy of the region turned by angle degrees, drawn at (x1, y1) on this surface.
    void DrawRotated(double angle, int x0, int y0, int w, int h, int x1, int y1);

    bool LoadBitmapIntoSurface(const QString& file, int x, int y);
    bool SaveSurfaceToBitmap(const QString& file);

    const std::vector<QRgb>& palette() const { return palette_; }
    void setPalette(const std::vector<QRgb>& palette);

  private:
    void FromAlphaBitmap(const QImage& grey, int x, int y);
    PixelFormat format_;
    QImage image_;
    std::vector<QRgb> palette_;
    std::unique_ptr<QPainter> painter_;
    bool locked_ = false;
    bool direct_ = false;
};
