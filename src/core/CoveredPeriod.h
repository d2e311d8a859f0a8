#pragma once
// The days an edition of the program covers: nothing outside them is shown or
// printed. The start-up picks the period and the day the main window opens on;
// the calendar, the main window, the print window and their date checks read
// it from there.
#include "core/DayNumber.h"

struct CoveredPeriod {
    double firstDay = FirstCoveredDayNumber; // day numbers, both days included
    double lastDay = LastCoveredDayNumber;
    double startDay = FirstCoveredDayNumber; // the day shown at start (may lie outside: the start-up check says so)

    bool contains(double day) const { return day >= firstDay && day <= lastDay; }
    // The end a day outside the period lies beyond.
    double nearestEnd(double day) const { return day < firstDay ? firstDay : lastDay; }
    bool operator==(const CoveredPeriod&) const = default;
};

// The DEMO: 1 January 2003 to 31 December 2004, opening on its first day.
constexpr CoveredPeriod DemoPeriod{FirstCoveredDayNumber, LastCoveredDayNumber, FirstCoveredDayNumber};

// The full edition: 1 January 1900 to 31 December 2100, opening on `today`.
constexpr double FullFirstDayNumber = 2;     // 1 January 1900
constexpr double FullLastDayNumber = 73415;  // 31 December 2100
constexpr CoveredPeriod FullPeriod(double today) { return {FullFirstDayNumber, FullLastDayNumber, today}; }
