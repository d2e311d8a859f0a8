#include "calendar/CalendarWindow.h"

#include <QDate>
#include <algorithm>
#include <cmath>

int YearOfDay(double day)
{
    return DateFromDayNumber(day).year();
}

CalendarYears CalendarYearsAround(double firstCoveredDay, double lastCoveredDay, double day)
{
    const int firstYear = YearOfDay(firstCoveredDay), lastYear = YearOfDay(lastCoveredDay);
    if (lastYear - firstYear < 2)
        return {firstYear, lastYear};
    const QDate date = DateFromDayNumber(std::clamp(std::floor(day), firstCoveredDay, lastCoveredDay));
    const bool firstHalf = date.dayOfYear() <= date.daysInYear() / 2;
    int first = firstHalf ? date.year() - 1 : date.year();
    first = std::clamp(first, firstYear, lastYear - 1);
    return {first, first + 1};
}

std::optional<CalendarYears> CalendarYearsToHold(const CalendarState& calendar, double day, int daysAfter)
{
    if (!std::isfinite(day))
        return std::nullopt;
    const double first = std::floor(day);
    const CoveredPeriod& period = calendar.coveredPeriod;
    if (calendar.calendarFirstYear == 0 || first < period.firstDay || first > period.lastDay)
        return std::nullopt;
    const double last = std::min(first + daysAfter, std::floor(period.lastDay));
    const double heldFrom = DayNumberFromDate(QDate(calendar.calendarFirstYear, 1, 1));
    const double heldTo = DayNumberFromDate(QDate(calendar.calendarLastYear, 12, 31));
    if (first >= heldFrom && last <= heldTo)
        return std::nullopt;
    return CalendarYearsAround(period.firstDay, period.lastDay, first);
}
