#include "core/Magnitude.h"

#include <QHash>
#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace Magnitude {

namespace {
constexpr double kTypicalAlbedo = 0.3;
constexpr double kUnseen = 99.0;
}  // namespace

double GeometricAlbedo(const QString& name) {
    static const QHash<QString, double> known = {
        {QStringLiteral("Mercury"), 0.142}, {QStringLiteral("Venus"), 0.689},
        {QStringLiteral("Earth"), 0.434},   {QStringLiteral("Moon"), 0.12},
        {QStringLiteral("Mars"), 0.170},    {QStringLiteral("Jupiter"), 0.538},
        {QStringLiteral("Saturn"), 0.499},  {QStringLiteral("Uranus"), 0.488},
        {QStringLiteral("Neptune"), 0.442}, {QStringLiteral("Pluto"), 0.52},
        {QStringLiteral("Phobos"), 0.071},  {QStringLiteral("Deimos"), 0.068},
        {QStringLiteral("Io"), 0.63},       {QStringLiteral("Europa"), 0.67},
        {QStringLiteral("Ganymede"), 0.43}, {QStringLiteral("Callisto"), 0.22},
        {QStringLiteral("Mimas"), 0.96},    {QStringLiteral("Enceladus"), 1.375},
        {QStringLiteral("Tethys"), 1.229},  {QStringLiteral("Dione"), 0.998},
        {QStringLiteral("Rhea"), 0.949},    {QStringLiteral("Titan"), 0.22},
        {QStringLiteral("Iapetus"), 0.6},   {QStringLiteral("Phoebe"), 0.081},
        {QStringLiteral("Miranda"), 0.32},  {QStringLiteral("Ariel"), 0.53},
        {QStringLiteral("Umbriel"), 0.26},  {QStringLiteral("Titania"), 0.35},
        {QStringLiteral("Oberon"), 0.31},   {QStringLiteral("Triton"), 0.76},
        {QStringLiteral("Nereid"), 0.155},  {QStringLiteral("Charon"), 0.41},
    };
    return known.value(name, kTypicalAlbedo);
}

double Absolute(double diameterKm, double albedo) {
    // 1329 km is the diameter of a body of albedo 1 that shines at magnitude 0 from 1 AU.
    if (!(diameterKm > 0) || !(albedo > 0)) return kUnseen;
    return 5 * std::log10(1329.0 / (diameterKm * std::sqrt(albedo)));
}

double PhaseFactor(double phaseAngle) {
    const double a = std::clamp(phaseAngle, 0.0, kPi);
    return std::max(0.0, ((kPi - a) * std::cos(a) + std::sin(a)) / kPi);
}

double Apparent(double h, const scene::Vec3& bodyKm, const scene::Vec3& observerKm) {
    const scene::Vec3 toSun = -bodyKm, toObserver = observerKm - bodyKm;
    const double r = scene::Length(toSun), delta = scene::Length(toObserver);
    if (!(r > 0) || !(delta > 0)) return kUnseen;
    const double cosine = std::clamp(scene::Dot(toSun, toObserver) / (r * delta), -1.0, 1.0);
    const double phase = PhaseFactor(std::acos(cosine));
    if (!(phase > 1e-12)) return kUnseen;
    return h + 5 * std::log10(r / kKmPerAu * delta / kKmPerAu) - 2.5 * std::log10(phase);
}

double SunApparent(const scene::Vec3& observerKm) {
    const double d = std::max(scene::Length(observerKm), 1.0) / kKmPerAu;
    return kSunAtOneAu + 5 * std::log10(d);
}

}  // namespace Magnitude
