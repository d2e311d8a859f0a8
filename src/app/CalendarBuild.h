#pragma once
// The calendar's builds as the windows run them: behind a busy cursor, and a
// failure told with its message once the cursor is back to normal.
#include "app/Gral.h"

// Builds the calendar for the region (BuildShiftedCalendar).
void BuildCalendarShown(Gral& gral);

// Builds it for the whole years firstYear..lastYear (BuildShiftedCalendarYears).
void BuildCalendarYearsShown(Gral& gral, int firstYear, int lastYear);

// Moves the calendar's window of years to hold `day` and the `daysAfter` days
// after it, when it does not (CalendarYearsToHold); nothing happens otherwise.
void HoldCalendarDays(Gral& gral, double day, int daysAfter);

// Before a week is shown or printed from `day`: the date-format check, then
// the calendar's years moved to hold the day and the six days after it. False
// when the check fired (told; the program is ending).
bool HoldWeekShown(Gral& gral, double day);
