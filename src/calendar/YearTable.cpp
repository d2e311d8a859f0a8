#include "calendar/YearTable.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/LunarTheory.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"

#include <QDate>

namespace {

constexpr double MinutesPerDay = 1440.0;

void StoreSlot(YearTable& table, int slot, int day, int fromMinute, int toMinute, int sign)
{
    table.date[slot] = day;
    table.fromTime[slot] = fromMinute / MinutesPerDay;
    table.toTime[slot] = toMinute / MinutesPerDay;
    table.sign[slot] = quint8(sign);
}

} // namespace

int FillYearTable(YearTable& table, int year, const std::vector<SignChange>& changes)
{
    table.date.fill(0);
    const int firstDay = int(DayNumberFromDate(QDate(year, 1, 1)));
    const int lastDay = int(DayNumberFromDate(QDate(year, 12, 31)));
    auto change = changes.begin();
    while (change != changes.end() && change->baseDay < firstDay)
        ++change;
    int slot = 0;
    for (int day = firstDay; day <= lastDay; ++day) {
        if (change != changes.end() && change->baseDay == day) {
            if (slot + 1 >= YearTableSlots)
                break;
            const int oldSign = change->newSign == 1 ? 12 : change->newSign - 1;
            StoreSlot(table, slot, day, 0, change->baseMinute - 1, oldSign);
            StoreSlot(table, slot + 1, day, change->baseMinute, LastMinuteOfDay, change->newSign);
            slot += 2;
            ++change;
        } else {
            if (slot >= YearTableSlots)
                break;
            ++slot; // a whole day: nothing stored
        }
    }
    return slot;
}

void ExpandYearTableRows(const YearTable& table, quint8 startSign, quint16 lastIndex, double baseDate,
                         const DatePattern& pattern, CalendarRows& rows)
{
    int runningDay = int(baseDate);
    int runningSign = startSign;
    QString runningText = pattern.format(runningDay);
    const int last = std::min<int>(lastIndex, YearTableSlots - 1);
    for (int i = 0; i <= last; ++i) {
        QString line;
        if (table.date[i] != 0) {
            const int day = int(table.date[i]);
            if (day != runningDay) {
                runningDay = day;
                runningText = pattern.format(day);
            }
            runningSign = table.sign[i];
            line = SignRowLine(runningText, MinuteOfDay(table.fromTime[i]), MinuteOfDay(table.toTime[i]), runningSign);
        } else {
            if (i > 0) {
                ++runningDay;
                runningText = pattern.format(runningDay);
            }
            line = SignRowLine(runningText, 0, LastMinuteOfDay, runningSign);
        }
        rows.append(std::move(line), runningText, runningDay);
    }
}

void ExpandYearTable(const DatePattern& pattern, const YearTable& table, quint8 startSign, quint16 lastIndex,
                     double baseDate, QStringList& base)
{
    CalendarRows rows;
    rows.lines = std::move(base);
    ExpandYearTableRows(table, startSign, lastIndex, baseDate, pattern, rows);
    base = std::move(rows.lines);
}

YearTableArguments DeriveYearTable(int year, const std::vector<SignChange>& changes)
{
    const int firstDay = int(DayNumberFromDate(QDate(year, 1, 1)));
    const int lastDay = int(DayNumberFromDate(QDate(year, 12, 31)));
    int changeDays = 0;
    int startSign = 0;
    for (const SignChange& change : changes) {
        if (change.baseDay < firstDay || change.baseDay > lastDay)
            continue;
        if (changeDays++ == 0)
            startSign = change.newSign == 1 ? 12 : change.newSign - 1;
    }
    if (startSign == 0) // no change known in the year: the theory's sign at its first minute
        startSign = SignAtJulianDay(JulianDayOfDayNumber(firstDay + BaseZoneHoursBehindUtc / 24.0));
    const int rows = lastDay - firstDay + 1 + changeDays;
    return {year, quint8(startSign), quint16(rows - 1), double(firstDay)};
}

namespace {

// The one or two rows of a single base-zone day.
void AppendDayRows(int day, const std::vector<SignChange>& changes, int signWithoutChange,
                   const DatePattern& pattern, CalendarRows& rows)
{
    const QString dateText = pattern.format(day);
    auto append = [&](int from, int to, int sign) {
        rows.append(SignRowLine(dateText, from, to, sign), dateText, day);
    };
    for (const SignChange& change : changes) {
        if (change.baseDay == day) {
            append(0, change.baseMinute - 1, change.newSign == 1 ? 12 : change.newSign - 1);
            append(change.baseMinute, LastMinuteOfDay, change.newSign);
            return;
        }
    }
    append(0, LastMinuteOfDay, signWithoutChange);
}

} // namespace

void BuildBaseCalendarRows(const DatePattern& pattern, int firstYear, int lastYear, bool withDayBefore,
                           CalendarRows& rows)
{
    rows = CalendarRows{};
    if (lastYear < firstYear)
        return;
    const int firstDay = int(DayNumberFromDate(QDate(firstYear, 1, 1)));
    const int lastDay = int(DayNumberFromDate(QDate(lastYear, 12, 31)));
    const qsizetype expected = qsizetype(lastYear - firstYear + 1) * YearTableRows + 2;
    rows.reserve(expected);
    const std::vector<SignChange> changes = SignChangesBetween(firstDay - 1, lastDay);
    YearTable table;
    for (int year = firstYear; year <= lastYear; ++year) {
        const YearTableArguments arguments = DeriveYearTable(year, changes);
        if (year == firstYear && withDayBefore)
            AppendDayRows(firstDay - 1, changes, arguments.startSign, pattern, rows);
        FillYearTable(table, year, changes);
        ExpandYearTableRows(table, arguments.startSign, arguments.lastIndex, arguments.baseDate,
                            pattern, rows);
    }
}

void BuildBaseCalendar(const DatePattern& pattern, QStringList& base)
{
    CalendarRows rows;
    BuildBaseCalendarRows(pattern, int(Year2003Table.year), int(Year2004Table.year), false, rows);
    base = std::move(rows.lines);
}
