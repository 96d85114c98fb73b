#pragma once

#include <cmath>

// Copies src into dst turned by angle (radians) about the centre; destination pixels whose
// source lies outside src get fill. Works on any image type with width(), height(),
// pixel(x, y) and setPixel(x, y, value), such as QImage.
template <typename Src, typename Dst, typename Pixel>
void RotateBitmap(const Src& src, Dst& dst, double angle, Pixel fill) {
    const int w = dst.width();
    const int h = dst.height();
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    for (int i = 0; i < h; ++i) {
        for (int j = 0; j < w; ++j) {
            const int x = static_cast<int>(cx + c * (j - cx) - s * (i - cy) + 0.5);
            const int y = static_cast<int>(cy + s * (j - cx) + c * (i - cy) + 0.5);
            if (x >= 0 && y >= 0 && x < src.width() && y < src.height())
                dst.setPixel(j, i, src.pixel(x, y));
            else
                dst.setPixel(j, i, fill);
        }
    }
}
