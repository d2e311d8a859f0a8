#pragma once
// The sign calendar: for every minute of the covered period the tropical sign
// (1..12) that holds the Moon. Rows are 25-character lines
//   "dd/MM/yyyy hh:nn hh:nn ss"  (date with the short-date pattern read at start)
// The base calendar is stated in the fixed zone UTC-12; the shifted calendar
// (Gral::signCalendar) is the one every other part of the program reads.
#include "Gral.h"

#include <optional>

// Fills `base` with the 1052 lines of the base calendar, 2003 then 2004.
void BuildBaseCalendar(const Gral& gral, QStringList& base);

// Rebuilds gral.signCalendar, gral.dateIndex and gral.dayRows for
// gral.zoneOffset: for the years it already holds, or, at the first build,
// for the years around the covered period's start day (CalendarWindow.h).
void BuildShiftedCalendar(Gral& gral);

// Builds them for the whole years firstYear..lastYear, within the covered
// period (gral.firstCoveredDay..gral.lastCoveredDay).
void BuildShiftedCalendarYears(Gral& gral, int firstYear, int lastYear);

// Parses line `rowNumber` (1-based) of the shifted calendar into
// gral.currentSignRow. Returns false, reading nothing, when the row does not exist.
bool LoadSignRow(Gral& gral, int rowNumber);

constexpr int SignRowNotFound = -1;
// Which row of a date FindSignRow reads: the date's first, or the one holding a minute.
enum class RowLookup { DayStart, Moment };
// The sign (1..12) of the date's row, nothing when the date is not in the
// calendar. Sets gral.dayRowIndex to the date's first row (SignRowNotFound
// when it is not there).
std::optional<int> FindSignRow(Gral& gral, RowLookup lookup, double date, int minuteOfDay);

// Rebuilds gral.dayRows from gral.dateIndex, for a calendar put together
// otherwise than by the build (the build makes both together).
void IndexCalendarDays(Gral& gral);

// The day after `date`, written with the short-date pattern read at start.
QString NextDateText(const Gral& gral, double date);

// "hh:nn" for a minute of the day.
QString FormatHourMinute(int minuteOfDay);
