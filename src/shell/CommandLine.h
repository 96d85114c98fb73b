#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/SimTime.h"

// What the user asked for on the command line.
struct CommandLine {
    QString settingsDir;
    std::optional<SimTime> utc;
    std::optional<int> speed;
    bool ephemeris = false;
    bool systemInfo = false;  // --system-info
    QString consoleScript;
    QString snapshot;
    QString view = QStringLiteral("main");
    int width = 0, height = 0;  // --size, 0 when not given
    QString location;           // --location: the observer's place for this run only
    bool precise = false;       // --precise: ERFA's theories for this run only
    bool version = false;
    bool help = false;
    QStringList files;  // saved positions to load
    QString error;      // set when the arguments cannot be used
};

CommandLine ParseCommandLine(const QStringList& arguments);
// What --view may name: the windows, and each page of the options and system information
// dialogs ("options-display", "sysinfo-memory", ...).
const QStringList& SnapshotViews();
QString CommandLineHelp();

// "YYYY-MM-DDTHH:MM:SS" (seconds may have a fraction) in 1901-2099, as simulated time.
std::optional<SimTime> ParseUtc(const QString& text);
