#pragma once

#include <QString>
#include <cstdint>

// The upper bound is applied first, so the minimum wins when the bounds cross.
template <typename T>
T Clamp(T value, T max, T min) {
    if (value > max) value = max;
    if (value < min) value = min;
    return value;
}

int BitCount(std::uint32_t v);
int LowestBit(std::uint32_t v);  // -1 for 0

// Colours are 0x00BBGGRR; each channel is multiplied and truncated, the top byte is cleared.
std::uint32_t ScaleColour(std::uint32_t colour, double factor);

// "0x..." (more than two characters) is hexadecimal, anything else decimal; bad text gives min.
int ParseIntClamped(const QString& text, int min, int max);

// Empty text, or text starting with a letter, or text that is not entirely a number: the default.
double ConvertToDouble(const QString& text, double defaultValue);

struct NumberWithSuffix {
    bool ok = false;
    double number = 0.0;
    QChar suffix;  // null when nothing follows the number
};
// An optional sign, digits and '.', then at most one character (53.5N -> 53.5, 'N').
NumberWithSuffix ParseNumberWithSuffix(const QString& text);
