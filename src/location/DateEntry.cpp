#include "location/DateEntry.h"

#include <QDate>
#include <algorithm>

namespace {
constexpr int kFebruary = 2;
}  // namespace

DateEntry::DateEntry(int localYear, int wallYear)
    : firstYear_(std::min({kFirstCalendarYear, localYear, wallYear})),
      lastYear_(std::max({kLastCalendarYear, localYear, wallYear})) {}

QStringList DateEntry::DayItems() {
    QStringList items;
    for (int d = 1; d <= 31; ++d) items << QString::number(d);
    return items;
}

QStringList DateEntry::MonthItems() {
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList DateEntry::YearItems() const {
    QStringList items;
    for (int y = firstYear_; y <= lastYear_; ++y) items << QString::number(y);
    return items;
}

QStringList DateEntry::HourItems() {
    QStringList items;
    for (int h = 0; h < 24; ++h) items << QString::asprintf("%02d", h);
    return items;
}

QStringList DateEntry::MinuteItems() {
    QStringList items;
    for (int m = 0; m < 60; m += kMinuteStep) items << QString::asprintf("%02d", m);
    return items;
}

DateEntry::Selection DateEntry::SelectionFor(const CalendarRecord& local) const {
    Selection s;
    s.day = std::clamp(int(local.day), 1, 31) - 1;
    s.month = std::clamp(int(local.month), 1, 12) - 1;
    s.year = (local.year >= firstYear_ && local.year <= lastYear_) ? local.year - firstYear_ : -1;
    s.hour = std::clamp(int(local.hour), 0, 23);
    s.minute = std::clamp(int(local.minute), 0, 59) / kMinuteStep;
    return s;
}

QString DateEntry::CheckDate(int day, int month, int year) {
    if (day == 31 && (month == 4 || month == 6 || month == 9 || month == 11))
        return MonthItems()[month - 1] + QStringLiteral(" only has 30 days.");
    if (month == kFebruary && day >= 30)
        return QStringLiteral("February does not have ") + QString::number(day) +
               QStringLiteral(" days.");
    // The Gregorian rule: 2000 is a leap year, 1900 and 2100 are not.
    if (month == kFebruary && day == 29 && !QDate::isLeapYear(year))
        return QString::number(year) + QStringLiteral(" is not a leap year.");
    return QString();
}

SimTime DateEntry::LocalTimeOf(const Selection& s) const {
    return MakeSimTime(firstYear_ + s.year, s.month + 1, s.day + 1, s.hour, s.minute * kMinuteStep,
                       0);
}
