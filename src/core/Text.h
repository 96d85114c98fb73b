#pragma once

#include <QString>
#include <cstdarg>

// Qt sets the C library to the user's locale when the application starts, which would make
// printf and scanf write and read decimal commas in some countries; files, the ephemeris and
// the data readers always use decimal points. Call once the application object exists.
void UseDotDecimalsInCLibrary();

// printf-style formatting into a text of at most 4095 characters.
QString FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
QString FormatTextV(const char* format, va_list args);

// "%0*.*f%c": the first letter for values >= 0, the second otherwise ("NS", "EW").
QString FormatSigned(double value, int width, int precision, const char letters[2]);

// 1-based; count -1 means to the end.
QString SubText(const QString& text, int start, int count);

QString EnsureTrailingSlash(const QString& path);

// Advances pos over blanks and tabs; returns the character there (a null QChar at the end).
QChar SkipSpaces(const QString& text, int& pos);

// Copies letters, digits and '_' into out; steps over one following '$', '&', '%' or '#'
// without copying it. Returns that following character (null at the end).
QChar ReadIdentifier(const QString& text, int& pos, QString& out);

// The directory of the program file, without a trailing separator.
QString ApplicationDirectory();
