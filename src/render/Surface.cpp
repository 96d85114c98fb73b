#include "render/Surface.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/Angles.h"
#include "core/CheckedSaveFile.h"
#include "core/Log.h"
#include "core/Prompter.h"

Surface::Surface(const PixelFormat& format, int width, int height) : format_(format) {
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768) {
        LogToFile("CreateSurface failed on %dx%d surface: %s", width, height, "bad size");
        return;
    }
    image_ = QImage(width, height, ImageFormatFor(format));
    if (image_.isNull()) {
        LogToFile("CreateSurface failed on %dx%d surface: %s", width, height, "out of memory");
        return;
    }
    if (image_.format() == QImage::Format_Indexed8) {
        palette_.assign(256, qRgb(0, 0, 0));
        image_.setColorTable(QList<QRgb>(palette_.begin(), palette_.end()));
    }
    image_.fill(0);
}

Surface::Surface(QImage image) : image_(std::move(image)) {
    format_ = PixelFormat::FromImage(image_.format());
    if (image_.format() != QImage::Format_RGB32 && image_.format() != QImage::Format_ARGB32 &&
        image_.format() != ImageFormatFor(format_))
        image_ = image_.convertToFormat(ImageFormatFor(format_));
    if (image_.format() == QImage::Format_Indexed8) {
        const auto table = image_.colorTable();
        palette_.assign(table.begin(), table.end());
    }
}

Surface::~Surface() {
    painter_.reset();
}
Surface::Surface(Surface&& o) noexcept {
    *this = std::move(o);
}
Surface& Surface::operator=(Surface&& o) noexcept {
    painter_.reset();
    format_ = o.format_;
    image_ = std::move(o.image_);
    palette_ = std::move(o.palette_);
    painter_ = std::move(o.painter_);
    locked_ = o.locked_;
    direct_ = o.direct_;
    o.image_ = QImage();
    o.locked_ = o.direct_ = false;
    return *this;
}

void Surface::setPalette(const std::vector<QRgb>& palette) {
    palette_ = palette;
    palette_.resize(256, qRgb(0, 0, 0));
    if (image_.format() == QImage::Format_Indexed8)
        image_.setColorTable(QList<QRgb>(palette_.begin(), palette_.end()));
}

QImage Surface::toArgb() const {
    if (isNull()) return {};
    const int cls = formatClass();
    if (cls == 0 || cls == 1 || cls == 2) {
        QImage out(width(), height(), QImage::Format_ARGB32);
        for (int y = 0; y < height(); ++y) {
            const auto* row = image_.constScanLine(y);
            auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < width(); ++x) {
                std::uint32_t v = 0;
                for (int b = 0; b < format_.bytesPerPixel(); ++b)
                    v |= std::uint32_t(row[x * format_.bytesPerPixel() + b]) << (8 * b);
                const int l =
                    int((v & format_.rMask) >> std::countr_zero(format_.rMask | 0x80000000u)) &
                    0xFF;
                const int a =
                    format_.aMask
                        ? int((v & format_.aMask) >> std::countr_zero(format_.aMask)) & 0xFF
                        : 255;
                dst[x] = qRgba(l, l, l, a);
            }
        }
        return out;
    }
    return image_.convertToFormat(QImage::Format_ARGB32);
}

bool Surface::Lock() {
    if (locked_) AssertReport("!Locked", "AlreadyLocked!", "Surface", 0);
    if (isNull()) {
        AssertReport("Surface", "No Surface", "Surface", 0);
        return false;
    }
    if (locked_) return false;
    locked_ = true;
    return true;
}

void Surface::Unlock() {
    if (!locked_) AssertReport("Locked", "Not locked", "Surface", 0);
    locked_ = false;
}

bool Surface::StartDrawing(bool deviceContext) {
    if (locked_) AssertReport("!Locked", "AlreadyLocked!", "Surface", 0);
    if (painter_) AssertReport("!DrawingHDCMode", "AlreadygotDC!", "Surface", 0);
    if (isNull()) {
        AssertReport("Surface", "No Surface", "Surface", 0);
        return false;
    }
    if (painter_ || locked_) return false;
    // Paletted and luminance pictures cannot take a painter: those draw directly.
    const bool paintable = image_.format() != QImage::Format_Indexed8 && formatClass() > 2;
    if (deviceContext && paintable) {
        painter_ = std::make_unique<QPainter>(&image_);
        return true;
    }
    if (!paintable || !deviceContext) {
        if (!Lock()) return false;
        direct_ = true;
        return true;
    }
    return false;
}

void Surface::StopDrawing() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    if (direct_) {
        direct_ = false;
        Unlock();
    }
}

uchar* Surface::PixelAddress(int x, int y) {
    if (!locked_ || x < 0 || y < 0 || x >= width() || y >= height()) return nullptr;
    return image_.scanLine(y) + static_cast<std::ptrdiff_t>(x) * format_.bytesPerPixel();
}

void Surface::PutPixel(int x, int y, std::uint32_t colour, bool additive) {
    if (!painter_ || x < 0 || y < 0 || x >= width() || y >= height()) return;
    int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    // The painter may hold pending work; the pixel is written to the picture itself.
    const QRgb old = image_.pixel(x, y);
    if (additive && (old & 0xFFFFFF) != 0) {
        r = std::min(255, r + qRed(old));
        g = std::min(255, g + qGreen(old));
        b = std::min(255, b + qBlue(old));
    }
    image_.setPixel(x, y, qRgb(r, g, b));
}

void Surface::CopyRegion(Surface& from, int x, int y, int w, int h, int dx, int dy, int dw,
                         int dh) {
    if (dw == 0) dw = w;
    if (dh == 0) dh = h;
    if (dw == 0 || dh == 0) return;
    const double sx = double(w) / dw, sy = double(h) / dh;
    if (dx < 0) {
        w += static_cast<int>(dx * sx);
        x -= static_cast<int>(dx * sx);
        dw += dx;
        dx = 0;
    }
    if (dy < 0) {
        h += static_cast<int>(dy * sy);
        y -= static_cast<int>(dy * sy);
        dh += dy;
        dy = 0;
    }
    if (dx + dw > width()) {
        dw = width() - dx;
        w = static_cast<int>(dw * sx);
    }
    if (dy + dh > height()) {
        dh = height() - dy;
        h = static_cast<int>(dh * sy);
    }
    if (dw < 0 || dh < 0 || w < 0 || h < 0) return;
    if (painter_) {
        if (!from.painter_ && from.image_.format() != QImage::Format_Indexed8 &&
            from.formatClass() <= 2)
            return;
        painter_->drawImage(QRect(dx, dy, dw, dh), from.image_, QRect(x, y, w, h));
        return;
    }
    if (direct_ && !from.painter_) {
        // A plain stretch copy, pixel by pixel, keeping the destination's storage.
        for (int j = 0; j < dh; ++j) {
            const int syy = y + static_cast<int>(j * sy);
            if (syy < 0 || syy >= from.height()) continue;
            for (int i = 0; i < dw; ++i) {
                const int sxx = x + static_cast<int>(i * sx);
                if (sxx < 0 || sxx >= from.width()) continue;
                if (image_.format() == QImage::Format_Indexed8 &&
                    from.image_.format() == QImage::Format_Indexed8)
                    image_.setPixel(dx + i, dy + j, from.image_.pixelIndex(sxx, syy));
                else if (formatClass() <= 2 || from.formatClass() <= 2) {
                    const int bpp = format_.bytesPerPixel();
                    if (bpp == from.format_.bytesPerPixel())
                        std::memcpy(image_.scanLine(dy + j) + (dx + i) * bpp,
                                    from.image_.constScanLine(syy) + sxx * bpp, bpp);
                } else
                    image_.setPixel(dx + i, dy + j, from.image_.pixel(sxx, syy));
            }
        }
    }
}

void Surface::DrawRotated(double angle, int x0, int y0, int w, int h, int x1, int y1) {
    if (!painter_) return;
    const double a = angle * kPi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    if (w <= 0 || h <= 0) return;
    const QImage source = image_.copy();
    // Only the rows and columns that land on the surface are visited, worked out in 64 bits
    // so that no rectangle, however large or far off, wraps or runs for ages.
    const std::int64_t iFirst = std::max<std::int64_t>(0, -std::int64_t(y1));
    const std::int64_t iEnd = std::min<std::int64_t>(h, std::int64_t(height()) - y1);
    const std::int64_t jFirst = std::max<std::int64_t>(0, -std::int64_t(x1));
    const std::int64_t jEnd = std::min<std::int64_t>(w, std::int64_t(width()) - x1);
    for (std::int64_t i = iFirst; i < iEnd; ++i) {
        for (std::int64_t j = jFirst; j < jEnd; ++j) {
            const double r = std::trunc(h / 2.0 + (j - w / 2.0) * s + (i - h / 2.0) * c + 0.5);
            const double t = std::trunc(w / 2.0 + (j - w / 2.0) * c - (i - h / 2.0) * s + 0.5);
            const double sx = x0 + t, sy = y0 + r;
            const bool inside =
                t >= 0 && r >= 0 && sx >= 0 && sy >= 0 && sx < width() && sy < height();
            image_.setPixel(int(x1 + j), int(y1 + i),
                            inside ? source.pixel(int(sx), int(sy)) : qRgb(0, 0, 0));
        }
    }
}

void Surface::FromAlphaBitmap(const QImage& grey, int x, int y) {
    const int cls = formatClass();
    for (int j = 0; j < grey.height() && y + j < height(); ++j) {
        if (y + j < 0) continue;
        const uchar* src = grey.constScanLine(j);
        uchar* row = image_.scanLine(y + j);
        for (int i = 0; i < grey.width() && x + i < width(); ++i) {
            if (x + i < 0) continue;
            const uchar g = src[i];
            if (cls == 3) {
                reinterpret_cast<QRgb*>(row)[x + i] = (std::uint32_t(g) * 0x01010101u);
            } else if (cls == 4) {
                reinterpret_cast<std::uint16_t*>(row)[x + i] =
                    static_cast<std::uint16_t>((g / 16) * 0x1111);
            } else {
                const std::uint16_t v = static_cast<std::uint16_t>(
                    (std::uint32_t(g) << std::countr_zero(format_.rMask | 0x80000000u)) |
                    (std::uint32_t(g) << std::countr_zero(format_.aMask | 0x80000000u)));
                reinterpret_cast<std::uint16_t*>(row)[x + i] = v;
            }
        }
    }
}

bool Surface::LoadBitmapIntoSurface(const QString& file, int x, int y) {
    if (locked_ || !Lock()) return false;
    QImage bitmap(file);
    const int cls = formatClass();
    if (cls == 0 || cls == 3 || cls == 4) {
        if (!bitmap.isNull())
            FromAlphaBitmap(bitmap.convertToFormat(QImage::Format_Grayscale8), x, y);
        Unlock();
        return true;
    }
    Unlock();
    if (bitmap.isNull()) return true;
    if (image_.format() == QImage::Format_Indexed8) {
        const QImage indexed = bitmap.format() == QImage::Format_Indexed8
                                   ? bitmap
                                   : bitmap.convertToFormat(QImage::Format_Indexed8);
        const auto table = indexed.colorTable();
        setPalette(std::vector<QRgb>(table.begin(), table.end()));
        for (int j = 0; j < std::min(height(), indexed.height()); ++j)
            for (int i = 0; i < std::min(width(), indexed.width()); ++i)
                image_.setPixel(i, j, indexed.pixelIndex(i, j));
        return true;
    }
    QPainter p(&image_);
    p.drawImage(0, 0, bitmap);
    return true;
}

bool Surface::SaveSurfaceToBitmap(const QString& file) {
    if (isNull()) return false;
    const bool hadPainter = painter_ != nullptr;
    if (painter_) painter_->end();
    QImage out = formatClass() == 9 ? image_ : toArgb().convertToFormat(QImage::Format_RGB888);
    CheckedSaveFile saved(file);
    if (saved.open() && !out.save(&saved.device(), "BMP")) saved.fail();
    const bool ok = saved.commit();
    if (hadPainter) painter_->begin(&image_);
    return ok;
}
