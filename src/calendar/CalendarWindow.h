#pragma once
// The shifted calendar holds a window of whole years around the shown week,
// not the whole covered period: two calendar years of 1900-2100 take a few
// milliseconds to compute and shift, two centuries would take the better part
// of a second. The window moves when a day outside it is asked for. A period
// of at most two years (the DEMO's) is always held whole.
#include "calendar/CalendarState.h"

#include <optional>

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

// The years the window must move to before `day` is looked up: a day of the
// covered period that the built window does not hold together with the
// `daysAfter` days after it (as far as the period goes). Nothing when the
// window holds them, when the day lies outside the period, or when the
// calendar was never built (it is then only looked up).
std::optional<CalendarYears> CalendarYearsToHold(const CalendarState& calendar, double day, int daysAfter);
