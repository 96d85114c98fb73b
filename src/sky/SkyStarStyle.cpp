#include "sky/SkyStarStyle.h"

#include <array>
#include <cmath>

#include "sky/SkyProjection.h"

namespace sky {

namespace {

struct Factors {
    double red, green, blue;
};

constexpr std::array<Factors, 9> kSpectralFactors = {{
    {0.7, 1.0, 0.7},  // W
    {0.7, 0.7, 1.0},  // O
    {0.8, 0.8, 1.0},  // B
    {1.0, 1.0, 1.0},  // A
    {1.0, 1.0, 0.9},  // F
    {1.0, 1.0, 0.8},  // G
    {1.0, 0.9, 0.9},  // K
    {1.0, 0.8, 0.8},  // M
    {1.0, 0.0, 0.0},  // N, R, S
}};

// Index steps per magnitude (the magnitude index is trunc((m + 2) x 19)).
constexpr double kIndexPerMagnitude = 19.0;

}  // namespace

StarShape StarShapeOf(int magIndex) {
    if (magIndex > 90) return StarShape::Pixel;
    if (magIndex >= 47) return StarShape::HalfCross;
    if (magIndex >= 28) return StarShape::FullCross;
    return StarShape::CrossWithDiagonals;
}

std::uint32_t StarColour(int brightness, std::uint8_t spectralCode) {
    const double b = brightness < 32 ? 32 : (brightness > 255 ? 255 : brightness);
    const Factors& f = kSpectralFactors[spectralCode < kSpectralFactors.size() ? spectralCode : 3];
    const auto c = [b](double factor) {
        return static_cast<std::uint32_t>(std::trunc(b * factor));
    };
    return (c(f.red) << 16) | (c(f.green) << 8) | c(f.blue);
}

int ZoomIndexShift(double fieldOfView) {
    if (!(fieldOfView > 0)) return 0;
    // 2.5 log10 of the magnification: about three quarters of a magnitude per halving.
    const double magnitudes = 2.5 * std::log10(kDefaultFieldOfView / fieldOfView);
    return static_cast<int>(std::lround(magnitudes * kIndexPerMagnitude));
}

}  // namespace sky
