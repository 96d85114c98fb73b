#include "render/PixelFormat.h"

#include <bit>

#include "core/Numbers.h"

int PixelFormat::alphaBits() const {
    return (flags & AlphaPixels) ? std::popcount(aMask) : 0;
}

PixelFormat PixelFormat::Argb8888() {
    return {Rgb | AlphaPixels, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
}
PixelFormat PixelFormat::Xrgb8888() {
    return {Rgb, 32, 0xFF0000, 0xFF00, 0xFF, 0};
}
PixelFormat PixelFormat::Rgb888() {
    return {Rgb, 24, 0xFF0000, 0xFF00, 0xFF, 0};
}
PixelFormat PixelFormat::Rgb565() {
    return {Rgb, 16, 0xF800, 0x07E0, 0x001F, 0};
}
PixelFormat PixelFormat::Argb1555() {
    return {Rgb | AlphaPixels, 16, 0x7C00, 0x03E0, 0x001F, 0x8000};
}
PixelFormat PixelFormat::Argb4444() {
    return {Rgb | AlphaPixels, 16, 0x0F00, 0x00F0, 0x000F, 0xF000};
}
PixelFormat PixelFormat::Palette8() {
    return {Rgb | PaletteIndexed8, 8, 0, 0, 0, 0};
}
PixelFormat PixelFormat::LuminanceAlpha88() {
    return {Luminance | AlphaPixels, 16, 0x00FF, 0, 0, 0xFF00};
}

PixelFormat PixelFormat::FromImage(QImage::Format format) {
    switch (format) {
        case QImage::Format_RGB32:
            return Xrgb8888();
        case QImage::Format_RGB888:
            return Rgb888();
        case QImage::Format_RGB16:
            return Rgb565();
        case QImage::Format_RGB555:
            return {Rgb, 16, 0x7C00, 0x03E0, 0x001F, 0};
        case QImage::Format_ARGB4444_Premultiplied:
            return Argb4444();
        case QImage::Format_Indexed8:
            return Palette8();
        default:
            return Argb8888();
    }
}

QImage::Format ImageFormatFor(const PixelFormat& f) {
    if (f.flags & PixelFormat::PaletteIndexed8) return QImage::Format_Indexed8;
    if (f == PixelFormat::Argb4444()) return QImage::Format_ARGB4444_Premultiplied;
    if (f.bitCount == 16 && (f.flags & PixelFormat::Rgb) && !(f.flags & PixelFormat::AlphaPixels))
        return f.gMask == 0x03E0 ? QImage::Format_RGB555 : QImage::Format_RGB16;
    if (f.bitCount == 16) return QImage::Format_RGB16;  // 16-bit storage read through the masks
    if (f.bitCount == 24) return QImage::Format_RGB888;
    if (f.bitCount == 8) return QImage::Format_Grayscale8;
    if (f.flags & PixelFormat::AlphaPixels) return QImage::Format_ARGB32;
    return QImage::Format_RGB32;
}

int PixelFormatClass(const PixelFormat& f) {
    const bool alpha = f.flags & PixelFormat::AlphaPixels;
    if ((f.flags & PixelFormat::Luminance) && alpha)
        return f.bitCount == 16 ? 0 : f.bitCount == 8 ? 1 : 2;
    const std::uint32_t rgb = f.rMask | f.gMask | f.bMask;
    if (alpha) {
        if (rgb == 0xFFFFFF) return 3;
        const auto shift = [](std::uint32_t m) { return 8 - std::popcount(m); };
        if (shift(f.rMask) == 4 && shift(f.gMask) == 4 && shift(f.bMask) == 4 &&
            shift(f.aMask) == 4)
            return 4;
        return 5;
    }
    if (rgb == 0xFFFFFF) return 6;
    if (f.bytesPerPixel() == 2) return 7;
    if (f.bytesPerPixel() == 1) return 9;
    return 8;
}

std::optional<PixelFormat> ChooseTextureFormat(const std::vector<PixelFormat>& formats, int bits,
                                               int alphaBits) {
    if (bits == 8 && alphaBits == 0) {
        for (const PixelFormat& f : formats)
            if (f.bitCount == 8 && (f.flags & 0x60) == 0x60) return f;
        return std::nullopt;
    }
    const std::uint32_t required =
        PixelFormat::Rgb | (alphaBits >= 1 ? PixelFormat::AlphaPixels : 0);
    std::optional<PixelFormat> candidate;
    for (const PixelFormat& f : formats) {
        if ((f.flags & required) != required) continue;
        if (f.bitCount == bits && f.alphaBits() == alphaBits) return f;
        if (!candidate)
            candidate = f;
        else if (candidate->bitCount < bits && f.bitCount > candidate->bitCount)
            candidate = f;
    }
    return candidate;
}
