#pragma once

#include <QString>

// One line to the system log: the splash list, the system log window, the in-memory
// system log and the main status bar, each when it exists.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogText(const QString& line);

// Appends "<timestamp>: <message>" to "OELOG.Txt" in the per-user data folder. Never fails
// outwards.
void LogToFile(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogTextToFile(const QString& message);

QString LogFilePath();
