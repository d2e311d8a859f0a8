#include "WeekLayout.h"
#include "SignCalendar.h"
#include "TendencyRule.h"

WeekLayout ComposeWeek(Gral& gral)
{
    WeekLayout week;
    if (gral.dayRowIndex < 1)
        return week;
    int row = -1;
    double previousDay = -1;
    for (int index = gral.dayRowIndex; LoadSignRow(gral, index); ++index) {
        const CurrentSignRow& span = gral.currentSignRow;
        const ColourValue colour = ColourOfSign(gral, span.sign);
        const int fromHour = span.fromMinute / 60;
        const int toHour = span.toMinute / 60;
        if (span.date != previousDay) {
            if (++row == ChartDays)
                break;
            week.pieces.append({row, 0, ChartHourWidth, colour});
        } else {
            week.pieces.append({row, SpanStartX(fromHour, span.fromMinute % 60), ChartHourWidth * (fromHour + 1),
                                colour});
        }
        for (int hour = fromHour + 1; hour <= toHour; ++hour)
            week.pieces.append({row, ChartHourWidth * hour, ChartHourWidth * (hour + 1), colour});
        week.days[size_t(row)] = span.date;
        week.lastRow = row;
        previousDay = span.date;
    }
    return week;
}
