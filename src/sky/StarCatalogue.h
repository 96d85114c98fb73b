#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "scene/Vector.h"

namespace sky {

struct StarNames {
    std::int16_t flamsteed = 0;
    char greek = 0;        // the letter as the Symbol typeface draws it ('a' alpha ... 'w' omega)
    char superscript = 0;  // the digit after the letter, as in alpha-1
    QString proper;
};

// Flags written by the renderers each frame.
enum StarFlags : std::uint8_t {
    ViewerOnScreen = 0x01,
    ViewerInFront = 0x02,
    SkyOnScreen = 0x04,
    SkyInFront = 0x08,
};

struct StarRecord {
    std::unique_ptr<StarNames> names;
    std::array<float, 3> world{};       // world-frame position, at the star distance
    std::array<float, 3> equatorial{};  // equatorial unit vector
    std::uint16_t zone = 0;
    std::uint8_t magIndex = 0;
    float magnitude = 0;  // visual magnitude as read, for the sky view's identify
    std::int16_t viewerX = 0, viewerY = 0;
    // The sky view's screen position; zoomed in, stars in front of the viewer but far off the
    // picture lie beyond 16 bits, and the figures still draw lines towards them.
    std::int32_t skyX = 0, skyY = 0;
    std::uint8_t flags = 0;
    std::uint8_t spectral = 0;  // class code 0 (W) .. 8 (N, R, S)
};

struct StarBlock {
    static constexpr int kCapacity = 2048;
    static constexpr std::uint32_t kMemoryBytes = 98316;  // 12-byte header and 2048 records of 48
    int count = 0;
    std::uint8_t firstMagIndex = 0;
    std::vector<StarRecord> stars;  // room for kCapacity
};

struct SkyObject {
    std::array<float, 3> world{};
    std::array<float, 3> northPoint{};
    std::uint16_t zone = 0;
    int top = 0, width = 0, height = 0;
    float size = 0;     // drawn width in degrees
    int slotCount = 0;  // cells for rotated copies
    std::array<int, 32> slotAngles{};
};

struct GreekLetter {
    char code[4];
    char letter;
};
// The 24 letters in table order: "alp" a, "bet" b, ... "ome" w.
const std::array<GreekLetter, 24>& GreekLetterTable();
// The Unicode letter for a Symbol-typeface character ('a' gives alpha).
QChar GreekUnicode(char symbol);
// W 0, O 1, B 2, A 3, F 4, G 5, K 6, M 7, N R S 8, anything else 3.
std::uint8_t SpectralCode(char letter);

// Every star bright enough to show, brightest first, in blocks of 2048, with the sky objects
// and the brightness each magnitude index is drawn with.
class StarCatalogue {
  public:
    // Reads "stardata.csv" and "Objects.txt" from the folder; a missing file leaves that part
    // empty. Stars are read until the first one fainter than the limit (which is kept).
    void Load(const QString& dataDirectory, float limitMagnitude);
    // Parses one data line of the star file into a record; false for a line that is not one.
    static bool ParseStarLine(const QByteArray& line, StarRecord& record, float& magnitude,
                              std::uint32_t& memory);

    // Star n in load order, 1-based; none for 0 or beyond the loaded stars.
    StarRecord* StarByNumber(int n);
    const StarRecord* StarByNumber(int n) const;

    const std::vector<std::unique_ptr<StarBlock>>& blocks() const { return blocks_; }
    std::vector<std::unique_ptr<StarBlock>>& blocks() { return blocks_; }
    int starCount() const { return starCount_; }
    float limitMagnitude() const { return limit_; }
    std::uint32_t memoryBytes() const { return memory_; }
    const std::array<int, 256>& brightness() const { return brightness_; }
    std::vector<SkyObject>& objects() { return objects_; }
    const std::vector<SkyObject>& objects() const { return objects_; }

  private:
    void LoadStars(const QString& path);
    void FillBrightness();
    void LoadObjects(const QString& path);

    std::vector<std::unique_ptr<StarBlock>> blocks_;
    int starCount_ = 0;
    float limit_ = 7.0f;
    std::uint32_t memory_ = 0;
    std::array<int, 256> brightness_{};
    std::vector<SkyObject> objects_;
};

// "StarData.csv" in the folder: the header line and one line per star that a constellation
// cross-reference names (there is none, so the header alone). Returns the path, or empty.
QString ExportStarData(const QString& directory);

}  // namespace sky
