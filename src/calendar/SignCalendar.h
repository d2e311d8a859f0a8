#pragma once
// The sign calendar: for every minute of the covered period the tropical sign
// (1..12) that holds the Moon. Rows are 25-character lines
//   "dd/MM/yyyy hh:nn hh:nn ss"  (date with the short-date pattern read at start)
// The base calendar is stated in the fixed zone UTC-12; the shifted calendar
// (CalendarState) is the one every other part of the program reads. The
// lines are written with the short-date pattern read at start.
#include "calendar/CalendarRows.h"
#include "calendar/CalendarState.h"
#include "core/DatePattern.h"
#include "core/Result.h"

#include <optional>

// Fills `base` with the 1052 lines of the base calendar, 2003 then 2004.
void BuildBaseCalendar(const DatePattern& pattern, QStringList& base);

// Rebuilds the calendar's signCalendar, dateIndex and dayRows for its
// zoneOffset: for the years it already holds, or, at the first build, for the
// years around the covered period's start day (CalendarWindow.h). A failure
// carries the message to tell; the lines built before it stay, without an
// index. The caller shows a busy cursor while it runs.
Result<void> BuildShiftedCalendar(CalendarState& calendar, const DatePattern& pattern);

// Builds them for the whole years firstYear..lastYear, within the covered
// period (calendar.coveredPeriod.firstDay..lastDay).
Result<void> BuildShiftedCalendarYears(CalendarState& calendar, const DatePattern& pattern, int firstYear,
                                       int lastYear);

// Makes `rows` the calendar's lines for the whole years firstYear..lastYear;
// with `indexed` false (a build that failed) only the lines, without the date
// index and the day table.
void InstallCalendarRows(CalendarState& calendar, CalendarRows rows, int firstYear, int lastYear, bool indexed);

// Reading rows never changes the calendar or its cursors. The lines were
// written with the short-date pattern read at start and are read back with it.

// Line `rowNumber` (1-based) parsed; nothing when the row does not exist or
// does not read as a row.
std::optional<SignRow> ReadSignRow(const CalendarState& calendar, const DatePattern& pattern, int rowNumber);

constexpr int SignRowNotFound = -1;
// Which row of a date a lookup reads: the date's first, or the one holding a minute.
enum class RowLookup { DayStart, Moment };
struct FoundSignRow {
    int dayRow = SignRowNotFound; // 1-based first row of the date
    SignRow row;                  // the row read
};
// The date's row in the calendar as it is built now (its window of years is
// not moved): nothing when the date is not in it, or when the minute lies
// outside the date's rows.
std::optional<FoundSignRow> ReadSignRowAt(const CalendarState& calendar, const DatePattern& pattern, RowLookup lookup,
                                          double date, int minuteOfDay);

// The lookups that move the shared cursors, as the chart and the printing
// were designed around. LoadSignRow parses line `rowNumber` into
// calendar.currentSignRow (false, reading nothing, when the row does not
// exist).
bool LoadSignRow(CalendarState& calendar, const DatePattern& pattern, int rowNumber);
// FindSignRow gives the sign (1..12) of the date's row in the calendar as it
// is built, nothing when there is none. It leaves the row read in
// calendar.currentSignRow and the date's first row in calendar.dayRowIndex
// (SignRowNotFound when nothing was found).
std::optional<int> FindSignRow(CalendarState& calendar, const DatePattern& pattern, RowLookup lookup, double date,
                               int minuteOfDay);

// Rebuilds calendar.dayRows from calendar.dateIndex, for a calendar put
// together otherwise than by the build (the build makes both together).
void IndexCalendarDays(CalendarState& calendar, const DatePattern& pattern);

// The day after `date`, written with the short-date pattern read at start.
QString NextDateText(const DatePattern& pattern, double date);

// "hh:nn" for a minute of the day.
QString FormatHourMinute(int minuteOfDay);
