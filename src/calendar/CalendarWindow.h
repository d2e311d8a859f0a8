#pragma once
// The shifted calendar holds a window of whole years around the shown week,
// not the whole covered period: two calendar years of 1900-2100 take a few
// milliseconds to compute and shift, two centuries would take the better part
// of a second. The window moves when a day outside it is asked for. A period
// of at most two years (the DEMO's) is always held whole.
#include "app/Gral.h"

struct CalendarYears {
    int first = 0;
    int last = 0;
    bool operator==(const CalendarYears&) const = default;
};

int YearOfDay(double day);

// The years to hold while `day` is shown: the day's year and the nearer of its
// neighbours (the one before in the first half of the year, the one after in
// the second), kept within the covered period's years. They always hold the
// day and the six days after it that lie in the period.
CalendarYears CalendarYearsAround(double firstCoveredDay, double lastCoveredDay, double day);

// The 1-based first row of `day` in the shifted calendar, -1 when it has none.
// A day of the covered period that the built window does not hold together
// with the `daysAfter` days after it (as far as the period goes) moves the
// window there first. A calendar that was never built is only looked up.
int CalendarDayRow(Gral& gral, double day, int daysAfter);
