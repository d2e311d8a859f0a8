#include "calendar/CalendarWindow.h"
#include "calendar/SignCalendar.h"

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

int CalendarDayRow(Gral& gral, double day, int daysAfter)
{
    if (!std::isfinite(day))
        return -1;
    const double first = std::floor(day);
    const CalendarState& calendar = gral.calendar;
    if (calendar.calendarFirstYear != 0 && first >= calendar.firstCoveredDay && first <= calendar.lastCoveredDay) {
        const double last = std::min(first + daysAfter, std::floor(calendar.lastCoveredDay));
        const double heldFrom = DayNumberFromDate(QDate(calendar.calendarFirstYear, 1, 1));
        const double heldTo = DayNumberFromDate(QDate(calendar.calendarLastYear, 12, 31));
        if (first < heldFrom || last > heldTo) {
            const CalendarYears years = CalendarYearsAround(calendar.firstCoveredDay, calendar.lastCoveredDay, first);
            BuildShiftedCalendarYears(gral, years.first, years.last);
        }
    }
    return calendar.dayRows.rowOf(first);
}
