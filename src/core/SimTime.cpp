#include "core/SimTime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <cmath>

namespace {

// Days before the first of each month in a common year, indexed 1..12.
constexpr int kMonthTable[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

SimTime j2000Cache = 0.0;

int MonthStart(int year, int month) {
    return kMonthTable[month] + ((IsLeapYear(year) && month > 2) ? 1 : 0);
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    if (month == 12) return 31;
    return MonthStart(year, month + 1) - MonthStart(year, month);
}

SimTime MakeSimTime(int year, int month, int day, int hour, int minute, double seconds) {
    if (month < 1) month = 1;
    if (month > 12) month = 12;
    std::int64_t days = static_cast<std::int64_t>(year - 1980) * 365 + ((year - 1977) >> 2) +
                        kMonthTable[month] + day - 1;
    if (year % 4 == 0 && month > 2) days += 1;
    const std::int64_t whole = days * 86400 + static_cast<std::int64_t>(hour) * 3600 +
                               static_cast<std::int64_t>(minute) * 60;
    return static_cast<double>(whole) + seconds;
}

void SplitSimTime(SimTime t, int* yearOut, int* monthOut, int* dayOut, int* hourOut, int* minuteOut,
                  double* secondsOut) {
    const SplitTime s = SplitSimTime(t);
    if (yearOut) *yearOut = s.year;
    if (monthOut) *monthOut = s.month;
    if (dayOut) *dayOut = s.day;
    if (hourOut) *hourOut = s.hour;
    if (minuteOut) *minuteOut = s.minute;
    if (secondsOut) *secondsOut = s.seconds;
}

SplitTime SplitSimTime(SimTime t) {
    SplitTime out;
    // Beyond a few centuries either way the calendar means nothing; this also bounds the
    // year count below.
    if (!std::isfinite(t) || std::fabs(t) > 1.0e10) return out;
    // Whole seconds by truncation; floor keeps times before 1980 counting the right way.
    const std::int64_t whole = static_cast<std::int64_t>(std::floor(t));
    const double fraction = t - static_cast<double>(whole);
    std::int64_t rest = whole;
    int year = 1980;
    for (;;) {
        const std::int64_t yearLength = (IsLeapYear(year) ? 366 : 365) * std::int64_t{86400};
        if (rest < yearLength) break;
        rest -= yearLength;
        ++year;
    }
    // Times before 1980 count backwards a year at a time so the fields stay in range.
    while (rest < 0) {
        --year;
        rest += (IsLeapYear(year) ? 366 : 365) * std::int64_t{86400};
    }
    const int dayOfYear = static_cast<int>(rest / 86400);
    rest -= static_cast<std::int64_t>(dayOfYear) * 86400;
    int month = 12;
    while (month > 1 && MonthStart(year, month) > dayOfYear) --month;
    out.year = year;
    out.month = month;
    out.day = dayOfYear - MonthStart(year, month) + 1;
    out.hour = static_cast<int>(rest / 3600);
    rest -= static_cast<std::int64_t>(out.hour) * 3600;
    out.minute = static_cast<int>(rest / 60);
    rest -= static_cast<std::int64_t>(out.minute) * 60;
    out.seconds = static_cast<double>(rest) + fraction;
    return out;
}

CalendarRecord ToCalendarRecord(SimTime t) {
    const SplitTime s = SplitSimTime(t);
    CalendarRecord r;
    r.year = static_cast<std::uint16_t>(s.year);
    r.month = static_cast<std::uint16_t>(s.month);
    r.day = static_cast<std::uint16_t>(s.day);
    r.hour = static_cast<std::uint16_t>(s.hour);
    r.minute = static_cast<std::uint16_t>(s.minute);
    const double whole = std::trunc(s.seconds);
    r.second = static_cast<std::uint16_t>(whole);
    r.millisecond = static_cast<std::uint16_t>(std::trunc((s.seconds - whole) * 1000.0));
    return r;
}

SimTime FromCalendarRecord(const CalendarRecord& r) {
    return MakeSimTime(r.year, r.month, r.day, r.hour, r.minute, r.second + r.millisecond * 0.001);
}

SimTime NowSimTime() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate d = now.date();
    const QTime tm = now.time();
    return MakeSimTime(d.year(), d.month(), d.day(), tm.hour(), tm.minute(),
                       tm.second() + tm.msec() * 0.001);
}

SimTime J2000() {
    if (j2000Cache == 0.0) j2000Cache = MakeSimTime(2000, 1, 1, 12, 0, 0);
    return j2000Cache;
}

double DaysSinceJ2000(SimTime t) {
    return (t - J2000()) / 86400.0;
}

void WaitSeconds(double seconds) {
    const SimTime until = NowSimTime() + seconds;
    while (NowSimTime() < until) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}
