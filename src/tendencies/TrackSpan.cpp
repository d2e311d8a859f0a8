#include "tendencies/TrackSpan.h"
#include "core/DayNumber.h"

#include <algorithm>
#include <cmath>

TrackSpan TrackSpanFor(double firstCoveredDay, double lastCoveredDay, double shownDay)
{
    const double first = std::floor(firstCoveredDay), last = std::floor(lastCoveredDay);
    const int firstYear = DateFromDayNumber(first).year(), lastYear = DateFromDayNumber(last).year();
    if (lastYear - firstYear < 2)
        return {first, int(std::lround(last - first))};
    const int year = DateFromDayNumber(std::clamp(std::floor(shownDay), first, last)).year();
    const double origin = std::max(first, DayNumberFromDate(QDate(year, 1, 1)));
    const double end = std::min(last, DayNumberFromDate(QDate(year, 12, 31)));
    return {origin, int(std::lround(end - origin))};
}
