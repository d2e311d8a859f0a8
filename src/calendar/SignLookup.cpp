// Reading the region's calendar: a row by number, the row of a date and time,
// the next date's text.
#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"

#include <cmath>

std::optional<SignRow> ReadSignRow(const CalendarState& calendar, const DatePattern& pattern, int rowNumber)
{
    if (rowNumber < 1 || rowNumber > calendar.signCalendar.size())
        return std::nullopt;
    const QString& line = calendar.signCalendar.at(rowNumber - 1);
    if (line.size() <= SignRowTailLength)
        return std::nullopt;
    const std::optional<double> date = pattern.parse(DateField(line).toString());
    const std::optional<int> from = ReadHourMinute(FromField(line));
    const std::optional<int> to = ReadHourMinute(ToField(line));
    const std::optional<int> sign = ReadTwoDigits(SignField(line));
    if (!date || !from || !to || !sign)
        return std::nullopt;
    return SignRow{*date, *from, *to, *sign};
}

std::optional<FoundSignRow> ReadSignRowAt(const CalendarState& calendar, const DatePattern& pattern, RowLookup lookup,
                                          double date, int minuteOfDay)
{
    const int firstRow = calendar.dayRows.rowOf(date);
    const std::optional<SignRow> first = ReadSignRow(calendar, pattern, firstRow);
    if (!first)
        return std::nullopt;
    if (lookup == RowLookup::DayStart || (minuteOfDay >= first->fromMinute && minuteOfDay <= first->toMinute))
        return FoundSignRow{firstRow, *first};
    if (minuteOfDay < first->fromMinute)
        return std::nullopt; // a date's first row begins at 00:00: only a negative minute lies before it
    // Only a date's first two rows are looked at: a date has no third. Past
    // the calendar's last row there is nothing to read.
    const std::optional<SignRow> second = ReadSignRow(calendar, pattern, firstRow + 1);
    if (!second)
        return std::nullopt;
    return FoundSignRow{firstRow, *second};
}

bool LoadSignRow(CalendarState& calendar, const DatePattern& pattern, int rowNumber)
{
    const std::optional<SignRow> row = ReadSignRow(calendar, pattern, rowNumber);
    if (row)
        calendar.currentSignRow = *row;
    return row.has_value();
}

std::optional<int> FindSignRow(CalendarState& calendar, const DatePattern& pattern, RowLookup lookup, double date,
                               int minuteOfDay)
{
    const std::optional<FoundSignRow> found = ReadSignRowAt(calendar, pattern, lookup, date, minuteOfDay);
    if (!found) {
        calendar.dayRowIndex = SignRowNotFound;
        return std::nullopt;
    }
    calendar.currentSignRow = found->row;
    calendar.dayRowIndex = found->dayRow;
    return found->row.sign;
}

void IndexCalendarDays(CalendarState& calendar, const DatePattern& pattern)
{
    std::vector<int> days;
    days.reserve(size_t(calendar.dateIndex.size()));
    for (const QString& text : std::as_const(calendar.dateIndex)) {
        const std::optional<double> day = pattern.parse(text);
        days.push_back(day ? int(*day) : -1);
    }
    calendar.dayRows = DayRowTable::FromDays(days);
}

QString NextDateText(const DatePattern& pattern, double date)
{
    return pattern.format(std::floor(date) + 1);
}

QString FormatHourMinute(int minuteOfDay)
{
    const int hour = minuteOfDay / 60, minute = minuteOfDay % 60;
    return QString::number(hour).rightJustified(2, u'0') + u':' + QString::number(minute).rightJustified(2, u'0');
}
