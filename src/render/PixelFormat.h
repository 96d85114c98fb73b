#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

// A surface's pixel layout: flag bits, bits per pixel and channel masks (the luminance mask
// shares the red mask's place).
struct PixelFormat {
    static constexpr std::uint32_t AlphaPixels = 0x01;
    static constexpr std::uint32_t FourCC = 0x04;
    static constexpr std::uint32_t PaletteIndexed8 = 0x20;
    static constexpr std::uint32_t Rgb = 0x40;
    static constexpr std::uint32_t Luminance = 0x20000;

    std::uint32_t flags = 0;
    int bitCount = 0;
    std::uint32_t rMask = 0, gMask = 0, bMask = 0, aMask = 0;

    bool operator==(const PixelFormat&) const = default;
    int alphaBits() const;
    int bytesPerPixel() const { return (bitCount + 7) / 8; }

    static PixelFormat Argb8888();
    static PixelFormat Xrgb8888();
    static PixelFormat Rgb888();
    static PixelFormat Rgb565();
    static PixelFormat Argb1555();
    static PixelFormat Argb4444();
    static PixelFormat Palette8();
    static PixelFormat LuminanceAlpha88();
    // The layout of a picture format; formats without a match read as 32-bit ARGB.
    static PixelFormat FromImage(QImage::Format format);
};

// The storage format a surface of this pixel format keeps its pixels in.
QImage::Format ImageFormatFor(const PixelFormat& format);

// 0..2 luminance with alpha (16 bits, 8 bits, other); 3..5 RGB with alpha (8 bits a channel,
// 4 bits a channel, other); 6..9 RGB without alpha (8 bits a channel, 2 bytes, other, 1 byte).
int PixelFormatClass(const PixelFormat& format);

// The texture format for b bits with a alpha bits among the device's formats, in their order:
// an exact match at once, else the first with the needed flags, replaced by a later one with
// more bits only while the candidate has fewer bits than asked for.
std::optional<PixelFormat> ChooseTextureFormat(const std::vector<PixelFormat>& formats, int bits,
                                               int alphaBits);
