#include "tendencies/WeekLayout.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyRule.h"

void AppendSpanPieces(QList<ChartPiece>& pieces, int row, bool startsDay, int fromMinute, int toMinute,
                      ColourValue colour)
{
    const int fromHour = fromMinute / 60;
    const int toHour = toMinute / 60;
    if (startsDay)
        pieces.append({row, 0, ChartHourWidth, colour});
    else
        pieces.append({row, SpanStartX(fromHour, fromMinute % 60), ChartHourWidth * (fromHour + 1), colour});
    for (int hour = fromHour + 1; hour <= toHour; ++hour)
        pieces.append({row, ChartHourWidth * hour, ChartHourWidth * (hour + 1), colour});
}

WeekLayout ComposeWeek(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members,
                       const LevelColorTable& colours)
{
    WeekLayout week;
    if (calendar.dayRowIndex < 1)
        return week;
    int row = -1;
    double previousDay = -1;
    for (int index = calendar.dayRowIndex;; ++index) {
        const std::optional<SignRow> parsed = ReadSignRow(calendar, pattern, index);
        if (!parsed)
            break;
        const SignRow& span = *parsed;
        const bool startsDay = span.date != previousDay;
        if (startsDay && ++row == ChartDays)
            break;
        AppendSpanPieces(week.pieces, row, startsDay, span.fromMinute, span.toMinute,
                         ColourOfSign(members, colours, span.sign));
        week.days[size_t(row)] = span.date;
        week.lastRow = row;
        previousDay = span.date;
    }
    return week;
}
