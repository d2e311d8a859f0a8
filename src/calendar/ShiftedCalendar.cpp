// The region's calendar: the base calendar (UTC-12) moved by ZoneOffset whole
// hours, a change that passes midnight carried into the next day.
#include "calendar/CalendarWindow.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"
#include "calendar/YearTable.h"
#include "calendar/ZoneShift.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// An hour and minute that must form a time of day: the minute of the day.
Result<int> ShiftedMinute(int hour, int minute)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return Failure{QStringLiteral("La hora %1:%2 no es válida.").arg(hour).arg(minute, 2, 10, QLatin1Char('0')),
                       StyleError};
    return hour * 60 + minute;
}

// Shifts every base line up to lastDay into `shifted`; at a failure the lines
// shifted so far stay.
Result<void> ShiftLines(const CalendarRows& base, int offset, const DatePattern& pattern, int lastDay,
                        CalendarRows& shifted)
{
    static const QString WholeDayFrom = QStringLiteral("00:00");
    static const QString WholeDayTo = QStringLiteral("23:59");
    QString carriedDateText;
    for (qsizetype i = 0; i < base.lines.size(); ++i) {
        const QString& line = base.lines[i];
        const QString& dateText = base.dateTexts[i];
        if (base.days[i] > lastDay)
            break;
        const QStringView from = FromField(line);
        const QStringView to = ToField(line);
        const bool startsAtMidnight = from == WholeDayFrom;
        const bool endsAtMidnight = to == WholeDayTo;
        if (startsAtMidnight && endsAtMidnight && dateText != carriedDateText) {
            shifted.append(line, dateText, base.days[i]); // a whole day into which no change was carried
            continue;
        }
        if (!startsAtMidnight || endsAtMidnight)
            continue; // second row of a change day, or a day already filled from the day before
        // The first row of a change day: it ends at h:m in sign S.
        const std::optional<int> end = ReadHourMinute(to);
        const std::optional<int> sign = ReadTwoDigits(SignField(line));
        if (!end || !sign || *sign < 1 || *sign > 12)
            return Failure{QStringLiteral("La línea «%1» del calendario no es válida.").arg(line), StyleError};
        const int h = *end / 60, m = *end % 60;
        // The sign field was read as two digits 01..12, so writing the sign back gives the same field.
        const int nextSign = *sign == 12 ? 1 : *sign + 1;
        QString changeDateText = dateText;
        int changeDay = base.days[i];
        int hour = h + offset;
        if (hour > 23) {
            const int day = base.days[i];
            shifted.append(SignRowLine(dateText, 0, LastMinuteOfDay, *sign), dateText, day);
            changeDay = day + 1;
            // The next day's date field is already written on one of the next two base lines
            // (after this day's second row); written afresh only past the list's end.
            changeDateText.clear();
            for (qsizetype j = i + 1; j < std::min(i + 3, base.lines.size()) && changeDateText.isEmpty(); ++j)
                if (base.days[j] == day + 1)
                    changeDateText = base.dateTexts[j];
            if (changeDateText.isEmpty())
                changeDateText = NextDateText(pattern, day);
            hour = offset - (24 - h);
        }
        const Result<int> before = ShiftedMinute(hour, m);
        if (!before)
            return before.failure();
        const Result<int> after = ShiftedMinute(hour, m + 1); // the change never falls on :58..:01, so no carry
        if (!after)
            return after.failure();
        carriedDateText = changeDateText;
        shifted.append(SignRowLine(changeDateText, 0, *before, *sign), changeDateText, changeDay);
        shifted.append(SignRowLine(changeDateText, *after, LastMinuteOfDay, nextSign), changeDateText, changeDay);
    }
    return {};
}

} // namespace

void InstallCalendarRows(CalendarState& calendar, CalendarRows rows, int firstYear, int lastYear, bool indexed)
{
    calendar.signCalendar = std::move(rows.lines);
    calendar.calendarFirstYear = firstYear;
    calendar.calendarLastYear = lastYear;
    if (indexed) {
        calendar.dayRows = rows.index();
        calendar.dateIndex = std::move(rows.dateTexts);
    } else {
        calendar.dateIndex.clear();
        calendar.dayRows = DayRowTable{};
    }
}

Result<void> BuildShiftedCalendarYears(CalendarState& calendar, const DatePattern& pattern, int firstYear,
                                       int lastYear)
{
    // The days to hold: the whole years, within the covered period.
    const CoveredPeriod& period = calendar.coveredPeriod;
    const int firstDay = int(std::max(DayNumberFromDate(QDate(firstYear, 1, 1)), std::floor(period.firstDay)));
    const int lastDay = int(std::min(DayNumberFromDate(QDate(lastYear, 12, 31)), std::floor(period.lastDay)));
    if (calendar.namedZone.isValid())
        return BuildNamedZoneCalendar(calendar, pattern, firstYear, lastYear, firstDay, lastDay);
    CalendarRows base;
    BuildBaseCalendarRows(pattern, firstYear, lastYear, true, base);
    if (base.isEmpty())
        return {};
    CalendarRows rows;
    Result<void> shifted;
    if (calendar.zoneOffset == 0 || calendar.zoneOffset > 23) {
        rows = std::move(base);
    } else {
        rows.reserve(base.size());
        shifted = ShiftLines(base, calendar.zoneOffset, pattern, lastDay, rows);
    }
    rows.keepDays(firstDay, lastDay);
    // After a failure the lines built so far stay.
    InstallCalendarRows(calendar, std::move(rows), firstYear, lastYear, shifted.ok());
    return shifted;
}

Result<void> BuildShiftedCalendar(CalendarState& calendar, const DatePattern& pattern)
{
    // Again for the years already held (a new region), else around the day shown at start.
    const CoveredPeriod& period = calendar.coveredPeriod;
    const int firstYear = YearOfDay(period.firstDay), lastYear = YearOfDay(period.lastDay);
    if (calendar.calendarFirstYear != 0 && calendar.calendarFirstYear >= firstYear
        && calendar.calendarLastYear <= lastYear)
        return BuildShiftedCalendarYears(calendar, pattern, calendar.calendarFirstYear, calendar.calendarLastYear);
    const CalendarYears years = CalendarYearsAround(period.firstDay, period.lastDay, period.startDay);
    return BuildShiftedCalendarYears(calendar, pattern, years.first, years.last);
}
