#pragma once

#include <cstdint>
#include <vector>

#include "scene/UserVisual.h"
#include "scene/Viewport.h"

class Body;
class Simulation;

// Bodies too small on the picture to show their disc, drawn as points of light the way the
// planets look among the stars: brighter and a little larger the lower their magnitude, in
// the body's own colour, and hidden by any nearer body.
class BodyPoints {
  public:
    // Under this apparent diameter (pixels) a body is drawn as a point.
    static constexpr double kPointBelowPixels = 2.0;
    // Fainter than this, a body shows nothing (about the faintest star the eye picks out).
    static constexpr double kFaintest = 7.0;

    struct Point {
        const Body* body = nullptr;
        double magnitude = 0;
        double discPixels = 0;     // apparent diameter
        double x = 0, y = 0;       // pixel on the picture, from the top left
        double depth = 0;          // distance in front of the camera (scene units)
        std::uint32_t colour = 0;  // 0xAARRGGBB, the centre's
        int spread = 0;  // 0: one pixel, 1: a cross, 2: a 3 x 3 square, 3: with faint outer arms
    };

    // The body's visual magnitude seen from the camera's position.
    static double MagnitudeSeen(const Simulation& sim, const Body& body);
    // Brightness 0..255 of the centre pixel at this magnitude (0: not drawn).
    static int Brightness(double magnitude);
    static int Spread(double magnitude);
    // The body's colour (0x00BBGGRR) at this brightness, as opaque 0xAARRGGBB.
    static std::uint32_t Tint(std::uint32_t bodyColour, int brightness);

    // Every body in front of the camera whose disc is below kPointBelowPixels and that is
    // bright enough to see, through this viewport.
    static std::vector<Point> Collect(const Simulation& sim, const scene::Viewport& viewport);
    // Sends the points to the renderer as 3D points just in front of each body, so that the
    // depth test lets nearer bodies cover them.
    static void Draw(const Simulation& sim, scene::UserVisualContext& context);
};
