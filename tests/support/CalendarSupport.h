#pragma once
// The calendar's lookups as the windows run them: the window of years moved
// first when it must (app/CalendarBuild.h: busy cursor, failure told), so
// that a test sees what the user sees.
#include "app/CalendarBuild.h"
#include "calendar/SignCalendar.h"

// The day's first row.
inline int CalendarDayRow(Gral& gral, double day, int daysAfter)
{
    HoldCalendarDays(gral, day, daysAfter);
    return gral.calendar.dayRows.rowOf(day);
}

inline std::optional<int> FindSignRow(Gral& gral, RowLookup lookup, double date, int minuteOfDay)
{
    HoldCalendarDays(gral, date, 0);
    return FindSignRow(gral.calendar, gral.environment.systemDateFormat, lookup, date, minuteOfDay);
}
