#pragma once

#include <cstdint>

namespace sky {

// How the sky view draws a star of a magnitude index: one pixel; a pixel with its four
// neighbours in half colour; the five in full colour; and the five with the four diagonals
// in half colour for the brightest.
enum class StarShape { Pixel, HalfCross, FullCross, CrossWithDiagonals };

StarShape StarShapeOf(int magIndex);

// The star's colour as 0xRRGGBB: its brightness (raised to at least 32) times the red, green
// and blue factors of its spectral class (W, O, B, A, F, G, K, M, then N/R/S).
std::uint32_t StarColour(int brightness, std::uint8_t spectralCode);
// Each component halved.
inline std::uint32_t HalfColour(std::uint32_t rgb) {
    return (rgb >> 1) & 0x7F7F7F;
}

// Zoomed in, stars look brighter and more of them are named; zoomed out, fewer. The shift
// in magnitude-index steps for a field of view (0 at the default 45 degrees).
int ZoomIndexShift(double fieldOfView);

}  // namespace sky
