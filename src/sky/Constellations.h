#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace sky {

struct ConstellationFigure {
    QString label;                    // the first word: the abbreviation the sky view writes
    QString title;                    // the rest up to the first comma
    std::vector<std::int16_t> stars;  // star numbers, -1 between strokes
    float labelRa = 0, labelDec = 0;
};

struct BoundaryPoint {
    static constexpr std::int16_t kBreak = 1000;
    std::array<float, 3> direction{};  // equatorial unit vector
    std::int16_t zone = 0;
};

// The stick figures and the outlines of the constellations.
class Constellations {
  public:
    static constexpr int kMaxFigures = 88;
    static constexpr int kMaxBoundaryPoints = 3800;
    static constexpr int kMaxEntries = 50;

    // Reads "Constellations.dat" and then "Boundary.dat"; a missing figure file loads
    // neither. Lines beyond the tables' sizes are ignored.
    void Load(const QString& dataDirectory);
    void ParseFigures(const QByteArray& text);
    void ParseBoundaries(const QByteArray& text);

    const std::vector<ConstellationFigure>& figures() const { return figures_; }
    const std::vector<BoundaryPoint>& boundaries() const { return boundaries_; }

  private:
    std::vector<ConstellationFigure> figures_;
    std::vector<BoundaryPoint> boundaries_;
};

// Calls segment(from, to) for every pair of consecutive stars of each stroke of a figure
// (star numbers as stored; the caller decides whether both exist and show).
void WalkFigure(const ConstellationFigure& figure, const std::function<void(int, int)>& segment);

}  // namespace sky
