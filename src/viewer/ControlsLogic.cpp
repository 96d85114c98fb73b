#include "viewer/ControlsLogic.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Body.h"
#include "core/Services.h"

namespace ControlsLogic {

int ClampSpeed(long long n) {
    return int(std::clamp<long long>(n, -kMaxSpeed, kMaxSpeed));
}

std::optional<int> SpeedButtonFor(int factor) {
    for (std::size_t i = 0; i < kSpeedButtons.size(); ++i)
        if (kSpeedButtons[i] == factor) return int(i);
    return std::nullopt;
}

int CustomSpeed(const QString& text) {
    bool ok = false;
    const long long n = text.trimmed().toLongLong(&ok);
    return ClampSpeed(ok ? n : 1);
}

PadRates StickPad(int x, int y, int width, int height) {
    constexpr double kDegree = kPi / 180;
    const int dx = x - width / 2, dy = y - height / 2;
    if (dx * dx + dy * dy < 400) return {};
    const double t = std::atan2(double(dy), double(dx));
    return {float((dx - 19 * std::cos(t)) / 120 * kDegree),
            float((dy - 19 * std::sin(t)) / 120 * kDegree)};
}

std::optional<float> RollPad(int x, int y, int width, int height, unsigned rgb) {
    rgb &= 0xFFFFFF;
    if (rgb == 0)
        return float((std::atan2(double(height - y), double(x - width / 2)) - kPi / 2) * 0.025);
    if (rgb == 0xFFFFFF || rgb == 0xFF0000) return 0.0f;
    return std::nullopt;
}

QString EncyclopediaPage(const Body* body) {
    if (!body) return QStringLiteral("index");
    QString page = body->name() == QLatin1String("Sun") ? QStringLiteral("Sol") : body->name();
    static const QStringList framed = {QStringLiteral("Io"),       QStringLiteral("Sol"),
                                       QStringLiteral("Moon"),     QStringLiteral("Europa"),
                                       QStringLiteral("Ganymede"), QStringLiteral("Callisto")};
    if (body->Kind() == BodyKind::Planet || framed.contains(page)) page += QStringLiteral("Frame");
    return page;
}

QDate YearStep(const QDate& date, int years) {
    const int year = date.year() + years;
    const int day = std::min(date.day(), QDate(year, date.month(), 1).daysInMonth());
    return QDate(year, date.month(), day);
}

namespace {
QString Grouped(double km) {
    return Services::instance().locale().FormatThousands(static_cast<std::int64_t>(std::trunc(km)));
}
}  // namespace

QString DistanceText(const QString& name, double km) {
    return QStringLiteral("To %1: %2 km").arg(name, Grouped(km));
}

QString NearestText(const QString& name, double km) {
    return QStringLiteral("Nearest: %1, %2 km").arg(name, Grouped(km));
}

int MagnitudeSliderMaximum(float limit) {
    return int(std::trunc(10 * limit + 1e-4));
}

int MagnitudeSliderPosition(int stored, int maximum) {
    return std::clamp(stored, 0, maximum);
}

}  // namespace ControlsLogic
