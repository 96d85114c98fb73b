#include "core/Log.h"

#include <QFile>
#include <cstdarg>

#include "core/Services.h"
#include "core/Text.h"

void LogText(const QString& line) {
    Services& s = Services::instance();
    if (LogSink* sink = s.logSink(LogSinkSlot::Splash)) sink->logLine(line);
    if (LogSink* sink = s.logSink(LogSinkSlot::SystemLogWindow)) sink->logLine(line);
    s.systemLog().append(line);
    if (LogSink* sink = s.logSink(LogSinkSlot::StatusBar)) sink->logLine(line);
}

void Log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const QString line = FormatTextV(format, args);
    va_end(args);
    LogText(line);
}

QString LogFilePath() {
    return Services::instance().userDataDirectory() + QStringLiteral("/OELOG.Txt");
}

void LogTextToFile(const QString& message) {
    QFile file(LogFilePath());
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    const CalendarRecord now = ToCalendarRecord(NowSimTime());
    const Locale& locale = Services::instance().locale();
    const QString stamp =
        locale.FormatDate(now) + QStringLiteral(" at ") + locale.FormatTime(now, true);
    file.write(FormatText("%s: %s\n", qUtf8Printable(stamp), qUtf8Printable(message)).toUtf8());
}

void LogToFile(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const QString message = FormatTextV(format, args);
    va_end(args);
    LogTextToFile(message);
}
