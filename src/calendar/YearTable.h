#pragma once
// The stored form of one calendar year and its expansion into lines.
#include "calendar/CalendarRows.h"
#include "calendar/SignChanges.h"

#include <QStringList>
#include <array>
#include <vector>

class DatePattern;

constexpr int YearTableSlots = 531;   // slots 0..530
constexpr int YearTableRows = 526;    // the DEMO's years: 365 or 366 days plus one per change day

// Four parallel arrays. A stored slot is one of the two rows of a day with a
// sign change; a day without a change is not stored and its slot keeps date 0.
struct YearTable {
    std::array<double, YearTableSlots> date{};     // day number; 0 = nothing stored
    std::array<double, YearTableSlots> fromTime{}; // fraction of a day, a whole minute
    std::array<double, YearTableSlots> toTime{};
    std::array<quint8, YearTableSlots> sign{};     // 1..12
};

struct YearTableArguments {
    int year;
    quint8 startSign;   // the sign in force at the year's first minute
    quint16 lastIndex;  // last slot to expand
    double baseDate;    // date of slot 0 when slot 0 stores nothing
};
// The DEMO's two years as they have always been expanded; DeriveYearTable
// must give exactly these from the sign changes.
constexpr YearTableArguments Year2003Table{2003, 9, 525, 37622};
constexpr YearTableArguments Year2004Table{2004, 2, 525, 37987};

// A year's expansion arguments from the sign changes (base-zone dates) that
// cover it: the sign in force at its first minute (the one before its first
// change), one slot per day plus one per change day (525 to 528 in
// 1900-2100), and 1 January as the date of slot 0.
YearTableArguments DeriveYearTable(int year, const std::vector<SignChange>& changes);

// Clears the date array, then stores the two rows of every change day of
// `year` found in `changes` (base-zone dates). Returns the number of slots
// the year occupies (stored and whole-day), 526 for the calendar's years.
int FillYearTable(YearTable& table, int year, const std::vector<SignChange>& changes);

// Appends lastIndex + 1 lines, one per slot 0..lastIndex.
void ExpandYearTable(const DatePattern& pattern, const YearTable& table, quint8 startSign, quint16 lastIndex,
                     double baseDate, QStringList& base);

// The same lines with what the shift needs beside each: its date field and day.
void ExpandYearTableRows(const YearTable& table, quint8 startSign, quint16 lastIndex, double baseDate,
                         const DatePattern& pattern, CalendarRows& rows);
// The base rows of the whole years firstYear..lastYear; with `withDayBefore`
// they are preceded by the rows of 31 December of the year before, so that the
// zone shift can carry a change of that day into the first year.
void BuildBaseCalendarRows(const DatePattern& pattern, int firstYear, int lastYear, bool withDayBefore,
                           CalendarRows& rows);
