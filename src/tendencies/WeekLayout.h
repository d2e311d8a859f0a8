#pragma once
// What the seven-day chart shows, worked out from the zone-shifted calendar
// without any drawing: the rectangles to paint, in paint order, and the day of
// each chart row. The window paints it and handles clicks by the same scale.
#include "calendar/CalendarState.h"
#include "core/Colour.h"
#include "members/MemberState.h"

class DatePattern;

#include <QList>
#include <array>

constexpr int ChartHourWidth = 28;  // pixels per hour column
constexpr int ChartRowHeight = 22;  // pixels per day row
constexpr int ChartDays = 7;
constexpr int ChartWidth = 673;     // 24 columns and the closing grid line
constexpr int ChartHeight = 155;    // 7 rows and the closing grid line

// One painted rectangle: a silver outline from (left, 22*row) to
// (right, 22*row + 22), both ends included, filled with `colour`.
struct ChartPiece {
    int row = 0;
    int left = 0;
    int right = 0;
    ColourValue colour = 0;
    bool operator==(const ChartPiece&) const = default;
};

struct WeekLayout {
    QList<ChartPiece> pieces;              // in paint order: a later span lies over an earlier one
    std::array<double, ChartDays> days{};  // day of each row; 0 for a row without a day
    int lastRow = -1;                      // last row drawn, -1 when none
};

// The x where a span starting at hour:minute begins. 28 pixels are 60 minutes,
// the same scale ClickMinute reads back, so the colour under the pointer and
// the time a click reports always belong to the same span.
constexpr int SpanStartX(int hour, int minute)
{
    return ChartHourWidth * hour + (ChartHourWidth * minute + 30) / 60;
}

// Minute within `hour` of a click at x, kept within 0..59.
constexpr int ClickMinute(int x, int hour)
{
    const int offset = x - ChartHourWidth * hour;
    if (offset <= 0)
        return 0;
    const int minute = offset * 60 / ChartHourWidth;
    return minute > 59 ? 59 : minute;
}

// Appends the rectangles of one span of a day row: the first span of a day
// (startsDay) from the row's left edge, a later one from the x of its start
// time, which lies over the earlier span's cell of that hour; then the full
// cells of the hours up to its end. The team grid draws its rows with it too.
void AppendSpanPieces(QList<ChartPiece>& pieces, int row, bool startsDay, int fromMinute, int toMinute,
                      ColourValue colour);

// Walks the calendar from calendar.dayRowIndex through at most seven days, each row
// coloured by its sign's level for members.memberSign.
WeekLayout ComposeWeek(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members,
                       const LevelColorTable& colours);
