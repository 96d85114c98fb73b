#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "core/Locale.h"
#include "core/Prompter.h"

// A receiver of system-log lines, registered by the window that shows them.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void logLine(const QString& line) = 0;
};

// The sinks in the order a line reaches them; the in-memory system log sits between the
// system log window and the status bar.
enum class LogSinkSlot { Splash = 0, SystemLogWindow = 1, StatusBar = 2 };

// Process-wide services: message boxes, log sinks and the in-memory system log, the
// program's folders, and the desktop's document and help launchers. This is the one
// place that holds program-wide state outside the simulation itself.
class Services {
  public:
    static Services& instance();

    Prompter& prompter() { return prompter_ ? *prompter_ : consolePrompter_; }
    // nullptr restores the console prompter.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }

    void setLogSink(LogSinkSlot slot, LogSink* sink) { sinks_[static_cast<int>(slot)] = sink; }
    LogSink* logSink(LogSinkSlot slot) const { return sinks_[static_cast<int>(slot)]; }
    QStringList& systemLog() { return systemLog_; }

    // The user's date, time and number formats, read once.
    const Locale& locale() const { return locale_; }
    void setLocale(const Locale& locale) { locale_ = locale; }

    // Per-user data folder (log file, object dump, exports); created on first use.
    QString userDataDirectory();
    void setUserDataDirectory(const QString& dir) { userDataDir_ = dir; }

    // Folders beside the program, or the installed share folder. Each ends with '/'.
    QString dataDirectory() const { return dataDir_; }
    void setDataDirectory(const QString& dir);
    QString mediaDirectory() const { return mediaDir_; }
    void setMediaDirectory(const QString& dir);

    // Opens a document or URL with the desktop; false when that failed.
    std::function<bool(const QString& path)> openDocument;
    // Shows a help topic ("Viewer", "Intro", ...).
    std::function<void(const QString& topic)> showHelpTopic;

    // Restores the state of a fresh process; for tests.
    void reset();

  private:
    Services();
    ConsolePrompter consolePrompter_;
    Prompter* prompter_ = nullptr;
    std::array<LogSink*, 3> sinks_{};
    QStringList systemLog_;
    QString userDataDir_;
    QString dataDir_;
    QString mediaDir_;
    Locale locale_;
};

// "<program dir>/<name>" when it exists, else the installed "<program
// dir>/../share/orbivale/<name>", else the first. No trailing separator.
QString ResourceDirectory(const QString& name);
