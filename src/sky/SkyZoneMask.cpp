#include "sky/SkyZoneMask.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "sky/SkyProjection.h"

namespace sky {

namespace {
// Sampled points lie at most this far apart (degrees) when zoomed in; an hour of right
// ascension is wider than that below declination 70, and the caps above it are marked whole.
constexpr double kSampleSpacing = 3.0;
constexpr int kCapDeclination = 70;
}  // namespace

void SkyZoneMask::Add(int zone) {
    if (zone >= 0 && zone < kZoneCount) ++counts_[static_cast<std::size_t>(zone)];
}

bool SkyZoneMask::markedAt(double raHours, double decDegrees) const {
    return marked(SkyZoneAt(raHours, decDegrees));
}

int SkyZoneMask::markedCount() const {
    int n = 0;
    for (std::uint16_t c : counts_) n += c != 0;
    return n;
}

void SkyZoneMask::Build(const SkyProjection& projection) {
    Clear();
    MarkGrid(projection);
    if (projection.fieldOfView() < kDefaultFieldOfView) MarkSamples(projection);
}

void SkyZoneMask::MarkGrid(const SkyProjection& projection) {
    for (int i = 0; i < 24; ++i)
        for (int t = -80; t <= 80; t += 10) {
            if (!projection.ProjectRaDec(i, t).onPicture()) continue;
            for (int j = -2; j <= 1; ++j)
                for (int k = -2; k <= 1; ++k) Add(SkyZoneOf(i + j, t + 10 * k));
        }
    if (projection.ProjectDirection({0, 1, 0}).onPicture())
        for (int h = 0; h < 24; ++h) Add(SkyZoneOf(h, 81));
    if (projection.ProjectDirection({0, -1, 0}).onPicture())
        for (int h = 0; h < 24; ++h) Add(SkyZoneOf(h, -81));
}

void SkyZoneMask::MarkSamples(const SkyProjection& projection) {
    const double verticalField =
        projection.fieldOfView() * projection.height() / std::max(1, projection.width());
    const int columns = static_cast<int>(std::ceil(projection.fieldOfView() / kSampleSpacing)) + 1;
    const int rows = static_cast<int>(std::ceil(verticalField / kSampleSpacing)) + 1;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            const auto v = projection.Unproject(double(projection.width()) * c / columns,
                                                double(projection.height()) * r / rows);
            if (!v || scene::Dot(*v, projection.basis().forward) <= 0.1) continue;
            const RaDec rd = UnitVectorToRaDec(*v);
            double hours = rd.ra * 12 / kPi;
            if (hours < 0) hours += 24;
            const int hour = static_cast<int>(std::trunc(hours));
            const int dec = static_cast<int>(std::trunc(rd.dec * 180 / kPi));
            for (int j = -1; j <= 1; ++j)
                for (int k = -1; k <= 1; ++k) Add(SkyZoneOf(hour + j, dec + 10 * k));
            if (std::abs(dec) >= kCapDeclination) {
                const int sign = dec > 0 ? 1 : -1;
                for (int h = 0; h < 24; ++h)
                    for (int d = kCapDeclination; d <= 90; d += 10) Add(SkyZoneOf(h, sign * d));
            }
        }
}

}  // namespace sky
