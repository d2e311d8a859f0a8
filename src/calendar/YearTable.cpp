#include "YearTable.h"
#include "DateFieldWriter.h"
#include "DayNumber.h"
#include "SignCalendar.h"
#include "SignRowText.h"

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
                         const DateFieldWriter& writer, BaseCalendarRows& rows)
{
    int runningDay = int(baseDate);
    int runningSign = startSign;
    QString runningText = writer.write(runningDay);
    const int last = std::min<int>(lastIndex, YearTableSlots - 1);
    for (int i = 0; i <= last; ++i) {
        QString line;
        if (table.date[i] != 0) {
            const int day = int(table.date[i]);
            if (day != runningDay) {
                runningDay = day;
                runningText = writer.write(day);
            }
            runningSign = table.sign[i];
            line = SignRowLine(runningText, MinuteOfDay(table.fromTime[i]), MinuteOfDay(table.toTime[i]), runningSign);
        } else {
            if (i > 0) {
                ++runningDay;
                runningText = writer.write(runningDay);
            }
            line = SignRowLine(runningText, 0, LastMinuteOfDay, runningSign);
        }
        rows.lines.append(line);
        rows.dateTexts.append(runningText);
        rows.days.push_back(runningDay);
    }
}

void ExpandYearTable(const Gral& gral, const YearTable& table, quint8 startSign, quint16 lastIndex, double baseDate,
                     QStringList& base)
{
    BaseCalendarRows rows;
    rows.lines = std::move(base);
    ExpandYearTableRows(table, startSign, lastIndex, baseDate, DateFieldWriter(gral.systemDateFormat), rows);
    base = std::move(rows.lines);
}

void BuildBaseCalendarRows(const Gral& gral, BaseCalendarRows& rows)
{
    rows = BaseCalendarRows{};
    rows.lines.reserve(2 * YearTableRows);
    rows.dateTexts.reserve(2 * YearTableRows);
    rows.days.reserve(2 * YearTableRows);
    const DateFieldWriter writer(gral.systemDateFormat);
    const std::vector<SignChange>& changes = CalendarSignChanges();
    YearTable table;
    for (const YearTableArguments& year : {Year2003Table, Year2004Table}) {
        FillYearTable(table, year.year, changes);
        ExpandYearTableRows(table, year.startSign, year.lastIndex, year.baseDate, writer, rows);
    }
}

void BuildBaseCalendar(const Gral& gral, QStringList& base)
{
    BaseCalendarRows rows;
    BuildBaseCalendarRows(gral, rows);
    base = std::move(rows.lines);
}
