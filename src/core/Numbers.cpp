#include "core/Numbers.h"

#include <bit>
#include <cmath>

int BitCount(std::uint32_t v) {
    return std::popcount(v);
}

int LowestBit(std::uint32_t v) {
    return v == 0 ? -1 : std::countr_zero(v);
}

std::uint32_t ScaleColour(std::uint32_t colour, double factor) {
    auto channel = [&](int shift) -> std::uint32_t {
        const double scaled = ((colour >> shift) & 0xFF) * factor;
        if (!(scaled > 0)) return 0;  // negative and NaN factors give black
        const auto value = static_cast<std::uint64_t>(std::min(scaled, 4294967295.0));
        return static_cast<std::uint32_t>(value & 0xFF) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

int ParseIntClamped(const QString& text, int min, int max) {
    bool ok = false;
    int value;
    if (text.size() > 2 &&
        (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.trimmed().toInt(&ok, 10);
    if (!ok) value = min;
    return Clamp(value, max, min);
}

double ConvertToDouble(const QString& text, double defaultValue) {
    if (text.isEmpty() || text[0].isLetter()) return defaultValue;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return defaultValue;
    return value;
}

NumberWithSuffix ParseNumberWithSuffix(const QString& text) {
    NumberWithSuffix result;
    int pos = 0;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        ++pos;
    const int start = pos;
    while (pos < text.size() && (text[pos].isDigit() || text[pos] == QLatin1Char('.'))) ++pos;
    const QString digits = text.mid(start, pos - start);
    if (digits.isEmpty() || digits == QLatin1String(".")) return result;
    if (text.size() - pos > 1) return result;
    bool ok = false;
    const double number = text.left(pos).toDouble(&ok);
    if (!ok) return result;
    result.ok = true;
    result.number = number;
    if (pos < text.size()) result.suffix = text[pos];
    return result;
}
