#pragma once
// What the team window shows, without any window: for one day of the
// zone-shifted calendar, every member's spans (start, end, sign, level), in
// the order the user chose. The levels come from the same rule as the main
// window's chart (TendencyRule), one member sign per row.
#include "calendar/CalendarState.h"
#include "core/Colour.h"
#include "members/MemberState.h"
#include "tendencies/WeekLayout.h"

#include <QList>
#include <QString>
#include <optional>

struct TeamSpan {
    int fromMinute = 0; // both inclusive, minutes of the day
    int toMinute = 0;
    int sign = 0;       // calendar sign 1..12
    int level = 0;      // 1..5 for the row's member
    bool operator==(const TeamSpan&) const = default;
};

struct TeamRow {
    int memberIndex = 0;   // position in members.memberList, and in the main window's member box
    QString name;
    double birthDate = 0;
    QString entry;         // name + " - " + birth date, as the member box shows it
    int memberSign = 0;
    QList<TeamSpan> spans; // the day's spans from 00:00 to 23:59
};

struct TeamGrid {
    double day = 0;
    bool dayFound = false; // false: the calendar has no such day and the rows have no spans
    QList<TeamRow> rows;
    int sortHour = -1;     // the hour the rows are sorted at; -1: sorted by name
};

class DatePattern;

// Every member of members.memberList with the spans of `day` in the calendar
// as it is built (the window moves its years to the day first), sorted by name.
TeamGrid ComposeTeamGrid(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members,
                         double day);

// The span holding a minute of the day, as a click on the main window's chart
// finds it; nothing when the row has no spans.
std::optional<TeamSpan> SpanAt(const TeamRow& row, int minuteOfDay);

// Sorts by name (letter case and accents aside), then birth date.
void SortTeamByName(TeamGrid& grid);
// Sorts by the level at the start of `hour` (0..23), best first, ties by name.
void SortTeamAtHour(TeamGrid& grid, int hour);

// The row's rectangles in the chart's scale, as row `chartRow` of a chart.
QList<ChartPiece> TeamRowPieces(const TeamRow& row, int chartRow, const LevelColorTable& colours);

// One hour of a row in words: "16:00: Excelente", or with a change inside the
// hour "16:00: Normal hasta 16:42, luego Excelente".
QString DescribeTeamHour(const TeamRow& row, int hour);
