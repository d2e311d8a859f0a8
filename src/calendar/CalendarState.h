#pragma once
#include "calendar/DayRowTable.h"
#include "core/CoveredPeriod.h"
#include "core/DayNumber.h"

#include <QStringList>
#include <QTimeZone>

// One parsed calendar row.
struct SignRow {
    double date = 0;    // day number
    int fromMinute = 0; // minute of the day, 0..1439
    int toMinute = 0;
    int sign = 0;       // 1..12
    bool operator==(const SignRow&) const = default;
};

// The zone-shifted sign calendar, its indexes and the two row cursors the
// chart, the printing and the lookups share.
struct CalendarState {
    QStringList signCalendar;
    QStringList dateIndex;
    DayRowTable dayRows;      // the first row of each day in signCalendar, built with dateIndex
    int calendarFirstYear = 0; // the whole years signCalendar was built for; 0 before the first build
    int calendarLastYear = 0;
    int zoneOffset = 12;      // hours added to the base zone (UTC-12): 0..24
    QTimeZone namedZone;      // the full edition's named zone (ZoneShift.h); when invalid, zoneOffset applies
    SignRow currentSignRow;  // the row last parsed by LoadSignRow
    int dayRowIndex = -1;     // 1-based row of the shown day's first span; -1 when not found
    CoveredPeriod coveredPeriod = DemoPeriod; // handed over by the start-up: the days the calendar may hold
};
