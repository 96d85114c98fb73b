#include "core/Text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>
#include <clocale>
#include <cstdio>

void UseDotDecimalsInCLibrary() {
    std::setlocale(LC_NUMERIC, "C");
}

QString FormatTextV(const char* format, va_list args) {
    char buffer[4096];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    return QString::fromUtf8(buffer);
}

QString FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    QString text = FormatTextV(format, args);
    va_end(args);
    return text;
}

QString FormatSigned(double value, int width, int precision, const char letters[2]) {
    const char letter = value >= 0 ? letters[0] : letters[1];
    return FormatText("%0*.*f%c", width, precision, std::fabs(value), letter);
}

QString SubText(const QString& text, int start, int count) {
    if (start < 1) start = 1;
    if (start > text.size()) return QString();
    const int available = static_cast<int>(text.size()) - (start - 1);
    if (count < 0 || count > available) count = available;
    return text.mid(start - 1, count);
}

QString EnsureTrailingSlash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QChar SkipSpaces(const QString& text, int& pos) {
    while (pos < text.size() && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
        ++pos;
    return pos < text.size() ? text[pos] : QChar();
}

QChar ReadIdentifier(const QString& text, int& pos, QString& out) {
    out.clear();
    while (pos < text.size() && (text[pos].isLetterOrNumber() || text[pos] == QLatin1Char('_')))
        out += text[pos++];
    if (pos >= text.size()) return QChar();
    const QChar next = text[pos];
    if (next == QLatin1Char('$') || next == QLatin1Char('&') || next == QLatin1Char('%') ||
        next == QLatin1Char('#'))
        ++pos;
    return next;
}

QString ApplicationDirectory() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}
