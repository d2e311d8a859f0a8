// Reading the region's calendar: a row by number, the row of a date and time,
// the next date's text.
#include "CalendarWindow.h"
#include "DatePattern.h"
#include "SignCalendar.h"
#include "SignRowText.h"

#include <cmath>

bool LoadSignRow(Gral& gral, int rowNumber)
{
    if (rowNumber < 1 || rowNumber > gral.signCalendar.size())
        return false;
    const QString& line = gral.signCalendar.at(rowNumber - 1);
    if (line.size() <= SignRowTailLength)
        return false;
    // The lines were written with the pattern read at start: read them back with it.
    const std::optional<double> date = gral.systemDateFormat.parse(DateField(line).toString());
    const std::optional<int> from = ReadHourMinute(FromField(line));
    const std::optional<int> to = ReadHourMinute(ToField(line));
    const std::optional<int> sign = ReadTwoDigits(SignField(line));
    if (!date || !from || !to || !sign)
        return false;
    gral.currentSignRow = CurrentSignRow{*date, *from, *to, *sign};
    return true;
}

std::optional<int> FindSignRow(Gral& gral, RowLookup lookup, double date, int minuteOfDay)
{
    const int k = CalendarDayRow(gral, date, 0) - 1;
    if (k < 0 || !LoadSignRow(gral, k + 1)) {
        // A date outside the calendar: nothing is read and no row is current.
        gral.dayRowIndex = SignRowNotFound;
        return std::nullopt;
    }
    const int firstRow = int(k) + 1;
    if (lookup == RowLookup::DayStart) {
        gral.dayRowIndex = firstRow;
        return gral.currentSignRow.sign;
    }
    if (minuteOfDay >= gral.currentSignRow.fromMinute && minuteOfDay <= gral.currentSignRow.toMinute) {
        gral.dayRowIndex = firstRow;
        return gral.currentSignRow.sign;
    }
    if (minuteOfDay > gral.currentSignRow.toMinute) {
        gral.dayRowIndex = firstRow;
        if (!LoadSignRow(gral, firstRow + 1))
            return std::nullopt; // past the last row of the calendar
        return gral.currentSignRow.sign;
    }
    return 1; // before the first row's start: a first row always begins at 00:00, so unreachable
}

void IndexCalendarDays(Gral& gral)
{
    std::vector<int> days;
    days.reserve(size_t(gral.dateIndex.size()));
    for (const QString& text : std::as_const(gral.dateIndex)) {
        const std::optional<double> day = gral.systemDateFormat.parse(text);
        days.push_back(day ? int(*day) : -1);
    }
    gral.dayRows = DayRowTable::FromDays(days);
}

QString NextDateText(const Gral& gral, double date)
{
    return gral.systemDateFormat.format(std::floor(date) + 1);
}

QString FormatHourMinute(int minuteOfDay)
{
    const int hour = minuteOfDay / 60, minute = minuteOfDay % 60;
    return QString::number(hour).rightJustified(2, u'0') + u':' + QString::number(minute).rightJustified(2, u'0');
}
