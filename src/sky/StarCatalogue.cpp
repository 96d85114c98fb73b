#include "sky/StarCatalogue.h"

#include <QFile>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/CheckedSaveFile.h"
#include "sky/SkyMath.h"

namespace sky {

namespace {

constexpr int kObjectSheetSize = 512;  // the objects' picture sheet is this many pixels square
// Brighter or fainter than anything in a catalogue: a line with such a magnitude is broken.
constexpr float kMagnitudeBound = 100;

std::array<float, 3> ToFloats(const scene::Vec3& v, double scale = 1.0) {
    return {float(v.x * scale), float(v.y * scale), float(v.z * scale)};
}

// The next field up to a comma (consumed), a line end or the end of the text.
QByteArray NextField(const QByteArray& line, int& pos) {
    const int start = pos;
    while (pos < line.size() && line[pos] != ',' && line[pos] != '\n' && line[pos] != '\r') ++pos;
    const QByteArray field = line.mid(start, pos - start);
    if (pos < line.size() && line[pos] == ',') ++pos;
    return field;
}

}  // namespace

const std::array<GreekLetter, 24>& GreekLetterTable() {
    static const std::array<GreekLetter, 24> table = {{
        {"alp", 'a'}, {"bet", 'b'}, {"gam", 'g'}, {"del", 'd'}, {"eps", 'e'}, {"zet", 'z'},
        {"eta", 'h'}, {"the", 'q'}, {"iot", 'i'}, {"kap", 'k'}, {"lam", 'l'}, {"mu ", 'm'},
        {"nu ", 'n'}, {"xi ", 'x'}, {"omi", 'o'}, {"pi ", 'p'}, {"rho", 'r'}, {"sig", 's'},
        {"tau", 't'}, {"ups", 'u'}, {"phi", 'j'}, {"chi", 'c'}, {"psi", 'y'}, {"ome", 'w'},
    }};
    return table;
}

QChar GreekUnicode(char symbol) {
    // The Symbol typeface's Latin keys and the Greek letters they draw.
    static const char kSymbol[] = "abgdezhqiklmnxoprstujcyw";
    static const char16_t kGreek[] = u"αβγδεζηθικλμνξοπρστυφχψω";
    const char* at = std::strchr(kSymbol, symbol);
    return (symbol && at) ? QChar(kGreek[at - kSymbol]) : QChar();
}

std::uint8_t SpectralCode(char c) {
    switch (c) {
        case 'W':
            return 0;
        case 'O':
            return 1;
        case 'B':
            return 2;
        case 'A':
            return 3;
        case 'F':
            return 4;
        case 'G':
            return 5;
        case 'K':
            return 6;
        case 'M':
            return 7;
        case 'N':
        case 'R':
        case 'S':
            return 8;
        default:
            return 3;
    }
}

bool StarCatalogue::ParseStarLine(const QByteArray& raw, StarRecord& r, float& magnitude,
                                  std::uint32_t& memory) {
    const QByteArray line = raw.left(511);
    if (line.isEmpty() || line[0] < '0' || line[0] > '9') return false;
    int pos = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') ++pos;
    std::unique_ptr<StarNames> names;
    if (line.mid(pos, 4) == ",,,,") {
        pos += 4;
    } else {
        names = std::make_unique<StarNames>();
        memory += 8;
        if (pos < line.size() && line[pos] == ',') ++pos;
        const QByteArray flamsteed = NextField(line, pos);
        QByteArray greek = NextField(line, pos);
        const QByteArray proper = NextField(line, pos);
        if (!flamsteed.isEmpty())
            names->flamsteed = static_cast<std::int16_t>(std::atoi(flamsteed.constData()));
        if (greek.size() > 4) {
            if (greek[3] != ' ') names->superscript = greek[3];
            for (const GreekLetter& g : GreekLetterTable())
                if (std::strncmp(greek.constData(), g.code, 3) == 0) {
                    names->greek = g.letter;
                    break;
                }
            greek = greek.left(3);
        }
        memory += static_cast<std::uint32_t>(greek.size() + 1);
        if (!proper.isEmpty()) {
            names->proper = QString::fromUtf8(proper);
            memory += static_cast<std::uint32_t>(proper.size() + 1);
        }
    }
    float ra = 0, dec = 0;
    char spectral = 0;
    const QByteArray rest = line.mid(pos);
    if (std::sscanf(rest.constData(), "%f,%f,%f,%c", &ra, &dec, &magnitude, &spectral) < 3)
        return false;
    if (!InSkyRange(ra, dec) || !std::isfinite(magnitude) || std::abs(magnitude) > kMagnitudeBound)
        return false;
    r = StarRecord{};
    r.names = std::move(names);
    r.world = ToFloats(RaDecToWorld(ra, dec), kStarDistance);
    r.equatorial = ToFloats(RaDecToUnitVector(ra, dec));
    r.zone = static_cast<std::uint16_t>(SkyZoneAt(ra, dec));
    r.magIndex = MagIndex(magnitude);
    r.magnitude = magnitude;
    r.spectral = SpectralCode(spectral) & 0x0F;
    return true;
}

void StarCatalogue::Load(const QString& dataDirectory, float limit) {
    blocks_.clear();
    objects_.clear();
    starCount_ = 0;
    memory_ = 0;
    brightness_.fill(0);
    limit_ = limit;
    LoadStars(dataDirectory + QStringLiteral("stardata.csv"));
    if (starCount_ > 0) FillBrightness();
    LoadObjects(dataDirectory + QStringLiteral("Objects.txt"));
}

void StarCatalogue::LoadStars(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().left(511);
        StarRecord record;
        float magnitude = 0;
        if (!ParseStarLine(line, record, magnitude, memory_)) continue;
        if (blocks_.empty() || blocks_.back()->count == StarBlock::kCapacity) {
            auto block = std::make_unique<StarBlock>();
            block->stars.reserve(StarBlock::kCapacity);
            block->firstMagIndex = record.magIndex;
            blocks_.push_back(std::move(block));
            memory_ += StarBlock::kMemoryBytes;
        }
        blocks_.back()->stars.push_back(std::move(record));
        ++blocks_.back()->count;
        ++starCount_;
        // The file is brightest first: the first star past the limit is the last one kept.
        if (magnitude > limit_) break;
    }
}

void StarCatalogue::FillBrightness() {
    const float fade = limit_ - 4.1f;
    for (float m = -2.0f; m < limit_ + 0.1f; m += 0.02f) {
        const int index = static_cast<int>(std::trunc((m + 2) * 19)) & 0xFF;
        if (m < 4.1f || fade <= 0)
            brightness_[static_cast<std::size_t>(index)] = 255;
        else
            brightness_[static_cast<std::size_t>(index)] =
                static_cast<int>(std::trunc(255 - (m - 4.1f) / fade * 220));
    }
}

void StarCatalogue::LoadObjects(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().left(511);
        if (line.isEmpty() || line[0] < '0' || line[0] > '9') continue;
        SkyObject o;
        long long top = 0, width = 0, height = 0;
        float ra = 0, dec = 0;
        if (std::sscanf(line.constData(), "%lld,%lld,%lld,%f,%f,%f", &top, &width, &height, &ra,
                        &dec, &o.size) != 6)
            continue;
        // A picture must fit its band of the 512-pixel sheet and sit on the sky; anything else
        // cannot be drawn. The band test subtracts from the sheet size, so no sum can overflow
        // even when the scan saturated a huge number.
        if (width <= 0 || width > kObjectSheetSize || height <= 0 || top < 0 ||
            top > kObjectSheetSize || height > kObjectSheetSize - top || !InSkyRange(ra, dec) ||
            !std::isfinite(o.size) || o.size <= 0 || o.size > 180)
            continue;
        o.top = static_cast<int>(top);
        o.width = static_cast<int>(width);
        o.height = static_cast<int>(height);
        o.world = ToFloats(RaDecToWorld(ra, dec), kStarDistance);
        o.northPoint = ToFloats(RaDecToWorld(ra, dec + 2.0), kStarDistance);
        o.zone = static_cast<std::uint16_t>(SkyZoneAt(ra, dec));
        o.slotCount = std::min(32, (kObjectSheetSize - o.width) / o.width);
        objects_.push_back(o);
    }
}

StarRecord* StarCatalogue::StarByNumber(int n) {
    if (n <= 0 || n > starCount_) return nullptr;
    auto& block = *blocks_[static_cast<std::size_t>((n - 1) / StarBlock::kCapacity)];
    return &block.stars[static_cast<std::size_t>((n - 1) % StarBlock::kCapacity)];
}

const StarRecord* StarCatalogue::StarByNumber(int n) const {
    return const_cast<StarCatalogue*>(this)->StarByNumber(n);
}

QString ExportStarData(const QString& directory) {
    const QString path = directory + QStringLiteral("/StarData.csv");
    CheckedSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    file.write(QByteArrayLiteral("\"Id\",\"Constellation\",\"Greek\",\"Flamstead\",\"Mag\"\n"));
    return file.commit() ? path : QString();
}

}  // namespace sky
