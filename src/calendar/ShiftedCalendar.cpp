// The region's calendar: the base calendar (UTC-12) moved by ZoneOffset whole
// hours, a change that passes midnight carried into the next day.
#include "calendar/CalendarWindow.h"
#include "app/ProgramMessage.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"
#include "calendar/YearTable.h"
#include "calendar/ZoneShift.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// An hour and minute that must form a time of day: the minute of the day, or
// the text of the failure.
std::optional<int> ShiftedMinute(int hour, int minute, QString& failure)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        failure = QStringLiteral("La hora %1:%2 no es válida.").arg(hour).arg(minute, 2, 10, QLatin1Char('0'));
        return std::nullopt;
    }
    return hour * 60 + minute;
}

// Shifts every base line up to lastDay into gral.calendar.signCalendar (their date
// fields into `dates`, their days into `days`). Returns the failure text,
// empty when the whole list was built.
QString ShiftLines(Gral& gral, const BaseCalendarRows& base, int lastDay, QStringList& dates, std::vector<int>& days)
{
    static const QString WholeDayFrom = QStringLiteral("00:00");
    static const QString WholeDayTo = QStringLiteral("23:59");
    QStringList& shifted = gral.calendar.signCalendar;
    const int offset = gral.calendar.zoneOffset;
    QString carriedDateText;
    QString failure;
    auto append = [&](QString line, const QString& dateText, int day) {
        shifted.append(std::move(line));
        dates.append(dateText);
        days.push_back(day);
    };
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
            append(line, dateText, base.days[i]); // a whole day into which no change was carried
            continue;
        }
        if (!startsAtMidnight || endsAtMidnight)
            continue; // second row of a change day, or a day already filled from the day before
        // The first row of a change day: it ends at h:m in sign S.
        const std::optional<int> end = ReadHourMinute(to);
        const std::optional<int> sign = ReadTwoDigits(SignField(line));
        if (!end || !sign || *sign < 1 || *sign > 12)
            return QStringLiteral("La línea «%1» del calendario no es válida.").arg(line);
        const int h = *end / 60, m = *end % 60;
        // The sign field was read as two digits 01..12, so writing the sign back gives the same field.
        const int nextSign = *sign == 12 ? 1 : *sign + 1;
        QString changeDateText = dateText;
        int changeDay = base.days[i];
        int hour = h + offset;
        if (hour > 23) {
            const int day = base.days[i];
            append(SignRowLine(dateText, 0, LastMinuteOfDay, *sign), dateText, day);
            changeDay = day + 1;
            // The next day's date field is already written on one of the next two base lines
            // (after this day's second row); written afresh only past the list's end.
            changeDateText.clear();
            for (qsizetype j = i + 1; j < std::min(i + 3, base.lines.size()) && changeDateText.isEmpty(); ++j)
                if (base.days[j] == day + 1)
                    changeDateText = base.dateTexts[j];
            if (changeDateText.isEmpty())
                changeDateText = NextDateText(gral.environment.systemDateFormat, day);
            hour = offset - (24 - h);
        }
        const auto before = ShiftedMinute(hour, m, failure);
        if (!before)
            return failure;
        const auto after = ShiftedMinute(hour, m + 1, failure); // the change never falls on :58..:01, so no carry
        if (!after)
            return failure;
        carriedDateText = changeDateText;
        append(SignRowLine(changeDateText, 0, *before, *sign), changeDateText, changeDay);
        append(SignRowLine(changeDateText, *after, LastMinuteOfDay, nextSign), changeDateText, changeDay);
    }
    return {};
}

// Keeps only the rows dated firstDay..lastDay: the day before the years, read
// for what the shift carries out of it, and a change carried past the last
// day leave no rows of their own.
void KeepDays(int firstDay, int lastDay, QStringList& lines, QStringList& dates, std::vector<int>& days)
{
    qsizetype begin = 0, end = qsizetype(days.size());
    while (begin < end && days[size_t(begin)] < firstDay)
        ++begin;
    while (end > begin && days[size_t(end - 1)] > lastDay)
        --end;
    if (end < qsizetype(days.size())) {
        lines.resize(std::min(end, lines.size()));
        dates.resize(std::min(end, dates.size()));
        days.resize(size_t(end));
    }
    if (begin > 0) {
        lines.remove(0, std::min(begin, lines.size()));
        dates.remove(0, std::min(begin, dates.size()));
        days.erase(days.begin(), days.begin() + begin);
    }
}

} // namespace

void BuildShiftedCalendarYears(Gral& gral, int firstYear, int lastYear)
{
    // The days to hold: the whole years, within the covered period.
    const CalendarState& calendar = gral.calendar;
    const int firstDay = int(std::max(DayNumberFromDate(QDate(firstYear, 1, 1)), std::floor(calendar.firstCoveredDay)));
    const int lastDay = int(std::min(DayNumberFromDate(QDate(lastYear, 12, 31)), std::floor(calendar.lastCoveredDay)));
    if (calendar.namedZone.isValid()) {
        BuildNamedZoneCalendar(gral, firstYear, lastYear, firstDay, lastDay);
        return;
    }
    QString failure;
    {
        BusyCursor busy(gral);
        BaseCalendarRows base;
        BuildBaseCalendarRows(gral, firstYear, lastYear, true, base);
        if (base.lines.isEmpty())
            return;
        gral.calendar.signCalendar.clear();
        gral.calendar.dateIndex.clear();
        gral.calendar.dayRows = DayRowTable{};
        gral.calendar.calendarFirstYear = firstYear;
        gral.calendar.calendarLastYear = lastYear;
        QStringList dates;
        std::vector<int> days;
        if (gral.calendar.zoneOffset == 0 || gral.calendar.zoneOffset > 23) {
            gral.calendar.signCalendar = std::move(base.lines);
            dates = std::move(base.dateTexts);
            days = std::move(base.days);
        } else {
            dates.reserve(base.lines.size());
            days.reserve(base.days.size());
            gral.calendar.signCalendar.reserve(base.lines.size());
            failure = ShiftLines(gral, base, lastDay, dates, days);
        }
        KeepDays(firstDay, lastDay, gral.calendar.signCalendar, dates, days);
        if (failure.isEmpty()) {
            gral.calendar.dateIndex = std::move(dates);
            gral.calendar.dayRows = DayRowTable::FromDays(days);
            return;
        }
    }
    // The cursor is back to normal before the message; the lines built so far stay.
    ProgramMessage(gral, failure, StyleError);
}

void BuildShiftedCalendar(Gral& gral)
{
    // Again for the years already held (a new region), else around the day shown at start.
    const CalendarState& calendar = gral.calendar;
    const int firstYear = YearOfDay(calendar.firstCoveredDay), lastYear = YearOfDay(calendar.lastCoveredDay);
    if (calendar.calendarFirstYear != 0 && calendar.calendarFirstYear >= firstYear
        && calendar.calendarLastYear <= lastYear) {
        BuildShiftedCalendarYears(gral, calendar.calendarFirstYear, calendar.calendarLastYear);
        return;
    }
    const CalendarYears years =
        CalendarYearsAround(calendar.firstCoveredDay, calendar.lastCoveredDay, calendar.coveredPeriod.startDay);
    BuildShiftedCalendarYears(gral, years.first, years.last);
}
