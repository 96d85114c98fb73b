#pragma once

#include <cstdint>
#include <vector>

namespace scene {

// Pixels as 0xAARRGGBB, rows from the top; the layout of a 32-bit ARGB image.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0xFF000000u)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    bool isNull() const { return width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    void setPixel(int x, int y, std::uint32_t v) {
        pixels[static_cast<std::size_t>(y) * width + x] = v;
    }
};

}  // namespace scene
