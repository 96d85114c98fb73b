#pragma once

#include <QString>
#include <QStringList>

#include "core/SimTime.h"

// What the "Set Date and Time" dialog offers and checks: the lists' items, the selection a
// local time opens at, and the three date checks.
class DateEntry {
  public:
    // The years the program's calendar covers.
    static constexpr int kFirstCalendarYear = 1901;
    static constexpr int kLastCalendarYear = 2099;
    static constexpr int kMinuteStep = 5;

    // The Year list covers the calendar's years and, should they lie beyond, the local
    // simulated year and the wall clock's year.
    DateEntry(int localYear, int wallYear);

    int firstYear() const { return firstYear_; }
    int lastYear() const { return lastYear_; }

    static QStringList DayItems();     // "1" .. "31"
    static QStringList MonthItems();   // "January" .. "December", not localised
    QStringList YearItems() const;     // firstYear .. lastYear
    static QStringList HourItems();    // "00" .. "23"
    static QStringList MinuteItems();  // "00", "05" .. "55"

    // Indexes into the five lists for a local time, the minute rounded down to five.
    struct Selection {
        int day = 0, month = 0, year = -1, hour = 0, minute = 0;
    };
    Selection SelectionFor(const CalendarRecord& local) const;

    // The message for a date the calendar does not have, empty for a good one. day and month
    // from 1, year as a number.
    static QString CheckDate(int day, int month, int year);
    // The local time the selection stands for; the selection must pass CheckDate.
    SimTime LocalTimeOf(const Selection& s) const;

  private:
    int firstYear_;
    int lastYear_;
};
