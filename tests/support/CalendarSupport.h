#pragma once
// The calendar's builds and lookups as the windows run them (tendencies/
// CalendarBuild.h): behind a busy cursor, a failure told through the message
// routine, so that a test sees what the user sees.
#include "app/ProgramMessage.h"
#include "calendar/CalendarWindow.h"
#include "calendar/SignCalendar.h"

inline void TellBuild(Gral& gral, const Result<void>& built)
{
    if (!built)
        ProgramMessage(gral, built.failure().text, built.failure().style);
}

inline void BuildShiftedCalendar(Gral& gral)
{
    Result<void> built;
    {
        BusyCursor busy(gral);
        built = BuildShiftedCalendar(gral.calendar, gral.environment.systemDateFormat);
    }
    TellBuild(gral, built);
}

inline void BuildShiftedCalendarYears(Gral& gral, int firstYear, int lastYear)
{
    Result<void> built;
    {
        BusyCursor busy(gral);
        built = BuildShiftedCalendarYears(gral.calendar, gral.environment.systemDateFormat, firstYear, lastYear);
    }
    TellBuild(gral, built);
}

// The day's first row, the window of years moved first when it must.
inline int CalendarDayRow(Gral& gral, double day, int daysAfter)
{
    if (const std::optional<CalendarYears> years = CalendarYearsToHold(gral.calendar, day, daysAfter))
        BuildShiftedCalendarYears(gral, years->first, years->last);
    return gral.calendar.dayRows.rowOf(day);
}


inline std::optional<int> FindSignRow(Gral& gral, RowLookup lookup, double date, int minuteOfDay)
{
    CalendarDayRow(gral, date, 0);
    return FindSignRow(gral.calendar, gral.environment.systemDateFormat, lookup, date, minuteOfDay);
}

