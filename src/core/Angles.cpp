#include "core/Angles.h"

#include <cmath>

#include "core/Prompter.h"

double Normalise360(double x) {
    // A huge negative angle would loop for ever; fmod brings it near zero with the same result.
    if (x < -360000.0 || std::isinf(x)) x = std::fmod(x, 360.0);
    while (x < 0) x += 360.0;
    if (!(x > -1000.0)) AssertReport("Degrees>-1000", "-ve", "Utils", 412);
    if (!std::isfinite(x)) return x;
    // Very large angles (a fast body after decades of simulated time) take the floor path
    // instead of looping.
    if (x > 1000.0) return (x / 360.0 - std::floor(x / 360.0)) * 360.0;
    while (x >= 360.0) x -= 360.0;
    return x;
}

double NormaliseRange(double x, double max) {
    if (!(x > -(2 * max) && x < 2 * max))
        AssertReport("Value>-(2*Max) && Value<(2*Max)", "-ve", "Utils", 436);
    if (!std::isfinite(x) || !(max > 0)) return x;
    // Out-of-range values still normalise, without looping for ever on huge inputs.
    if (std::fabs(x) > 4 * max) x = std::fmod(x, max);
    while (x < 0) x += max;
    while (x >= max) x -= max;
    return x;
}

double AngleDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

double SignedAngleDifference(double a, double b) {
    double c = b - a;
    if (c > 180.0) c -= 360.0;
    if (c < -180.0) c += 360.0;
    return c;
}

double DegToRad(double x) {
    return x * (1.0 / 180.0) * kPi;
}
double RadToDeg(double x) {
    return x * 180.0 * (1.0 / kPi);
}
double SinDeg(double x) {
    return std::sin(x * kDegToRadFactor);
}
double CosDeg(double x) {
    return std::cos(x * kDegToRadFactor);
}

double Atan2(double y, double x) {
    if (y == 0.0 && x == 0.0) return 0.0;
    return std::atan2(y, x);
}
