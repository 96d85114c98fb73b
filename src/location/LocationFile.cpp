#include "location/LocationFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

#include "core/CheckedSaveFile.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Text.h"
#include "location/LocationFormat.h"

namespace {

const QString kFileName = QStringLiteral("Locations.dat");

// Offsets beyond a day either way are no place's.
constexpr int kMaxHalfHours = 28;

// A reader over one line, taking numbers as scanf's "%f" and "%d" would, but always with
// the C locale's decimal point.
class LineScanner {
  public:
    explicit LineScanner(const QByteArray& text) : text_(text) {}

    bool Char(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }
    std::optional<double> Real() {
        static const QRegularExpression number(
            QStringLiteral(R"(^[ \t]*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))"));
        return Number<double>(number, [](const QByteArray& t, bool* ok) { return t.toDouble(ok); });
    }
    std::optional<int> Integer() {
        static const QRegularExpression number(QStringLiteral(R"(^[ \t]*([+-]?\d+))"));
        return Number<int>(number, [](const QByteArray& t, bool* ok) { return t.toInt(ok); });
    }
    QByteArray Rest() const { return text_.mid(pos_); }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

    template <typename T, typename Convert>
    std::optional<T> Number(const QRegularExpression& pattern, Convert convert) {
        const QString rest = QString::fromLatin1(text_.mid(pos_));
        const QRegularExpressionMatch m = pattern.match(rest);
        if (!m.hasMatch()) return std::nullopt;
        bool ok = false;
        const T value = convert(m.captured(1).toLatin1(), &ok);
        if (!ok) return std::nullopt;
        pos_ += m.capturedLength(0);
        return value;
    }

    QByteArray text_;
    qsizetype pos_ = 0;
};

QString SystemReason(const QFileDevice& file) {
    QString reason = file.errorString();
    while (reason.endsWith(QLatin1Char('\n')) || reason.endsWith(QLatin1Char('\r'))) reason.chop(1);
    return reason;
}

QByteArray FormatCoordinate(float value) {
    QByteArray text = QByteArray::number(static_cast<double>(value), 'f', 2);
    // -0.001 rounds to "-0.00"; write it as the 0.00 it is.
    if (text == "-0.00") text = "0.00";
    return text;
}

}  // namespace

std::optional<NamedLocation> ParseLocationLine(const QByteArray& line) {
    if (!line.startsWith('"')) return std::nullopt;
    const qsizetype close = line.indexOf('"', 1);
    if (close < 0) return std::nullopt;
    NamedLocation place;
    place.name = QString::fromUtf8(line.mid(1, close - 1));

    LineScanner scan(line.mid(close + 1));
    scan.SkipBlanks();
    if (!scan.Char(',')) return std::nullopt;
    const std::optional<double> latitude = scan.Real();
    if (!latitude || !scan.Char(',')) return std::nullopt;
    const std::optional<double> longitude = scan.Real();
    if (!longitude) return std::nullopt;
    // Values no place can have make the line a bad one.
    if (!(std::fabs(*latitude) <= 90.0) || !(std::fabs(*longitude) <= 180.0)) return std::nullopt;
    place.entry.latitude = static_cast<float>(*latitude);
    place.entry.longitude = static_cast<float>(*longitude);

    std::optional<int> zone;
    if (scan.Char(',')) zone = scan.Integer();
    if (zone && std::abs(*zone) > kMaxHalfHours) return std::nullopt;
    place.entry.timeZone = zone ? *zone : TimeZoneFromLongitude(place.entry.longitude);

    // The zone name, when present, is the field after the time zone.
    if (zone && scan.Char(',')) {
        static const QRegularExpression zoneName(QStringLiteral(R"(^\s*([A-Za-z0-9_+/-]+))"));
        const QRegularExpressionMatch m = zoneName.match(QString::fromLatin1(scan.Rest()));
        if (m.hasMatch()) place.entry.zoneName = m.captured(1);
    }
    return place;
}

QByteArray FormatLocationLine(const NamedLocation& place) {
    QByteArray line = '"' + place.name.toUtf8() + "\"," + FormatCoordinate(place.entry.latitude) +
                      ',' + FormatCoordinate(place.entry.longitude) + ',' +
                      QByteArray::number(place.entry.timeZone);
    if (!place.entry.zoneName.isEmpty()) line += ',' + place.entry.zoneName.toUtf8();
    return line + '\n';
}

QString ShippedLocationsPath() {
    return Services::instance().dataDirectory() + kFileName;
}

QString UserLocationsPath() {
    return EnsureTrailingSlash(Services::instance().userDataDirectory()) + kFileName;
}

QString LocationsPath() {
    const QString user = UserLocationsPath();
    return QFileInfo::exists(user) ? user : ShippedLocationsPath();
}

std::optional<std::vector<NamedLocation>> LoadLocations(const QString& path) {
    std::vector<NamedLocation> places;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path)) return places;
        ShowError(
            QStringLiteral("Could not load locations, because of error: ") + SystemReason(file),
            QStringLiteral("Error"));
        return std::nullopt;
    }
    while (!file.atEnd()) {
        // A line is read up to its first 255 bytes; the rest of a longer line is passed over
        // rather than read as a line of its own.
        QByteArray line = file.readLine(kLocationLineBytes);
        if (!line.endsWith('\n'))
            while (!file.atEnd() && !file.readLine(kLocationLineBytes).endsWith('\n')) {
            }
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        if (std::optional<NamedLocation> place = ParseLocationLine(line))
            places.push_back(std::move(*place));
    }
    return places;
}

bool SaveLocations(const QString& path, const std::vector<NamedLocation>& places) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    CheckedSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    for (auto it = places.begin(); ok && it != places.end(); ++it)
        ok = file.write(FormatLocationLine(*it));
    ok = file.commit() && ok;
    if (!ok)
        ShowError(
            QStringLiteral("Could not save locations, because of error: ") + file.errorString(),
            QStringLiteral("Error"));
    return ok;
}
