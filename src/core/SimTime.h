#pragma once

#include <cstdint>

// Seconds since 1980-01-01 00:00:00 UT. Every fourth year is a leap year, which holds
// for 1901-2099, the span the program works in.
using SimTime = double;

constexpr double kSecondsPerDay = 86400.0;

// A calendar date and time with 16-bit fields, as date formatting wants it.
struct CalendarRecord {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // not filled
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
};

struct SplitTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double seconds = 0.0;
};

SimTime MakeSimTime(int year, int month, int day, int hour, int minute, double seconds);
SplitTime SplitSimTime(SimTime t);
void SplitSimTime(SimTime t, int* year, int* month, int* day, int* hour, int* minute,
                  double* seconds);
CalendarRecord ToCalendarRecord(SimTime t);
SimTime FromCalendarRecord(const CalendarRecord& r);
SimTime NowSimTime();
SimTime J2000();
double DaysSinceJ2000(SimTime t);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Returns when the wall clock has advanced by the given seconds, handling pending events
// meanwhile so the program stays responsive.
void WaitSeconds(double seconds);
