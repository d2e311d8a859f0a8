#include "tendencies/WeekDescription.h"
#include "core/DatePattern.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/WeekLayout.h"

#include <QStringList>

namespace {
const DatePattern DayPattern(QStringLiteral("dddd d \"de\" mmmm"));

// One day's line; a level that goes on in the next span (another sign of the
// same level) is said once, up to where the level really changes.
struct DayWords {
    double day = 0;
    QString text;
    int level = 0;
    int lastMinute = 0;

    void add(int spanLevel, int toMinute)
    {
        if (level == 0)
            text = DayPattern.format(day) + QStringLiteral(": ") + LevelName(spanLevel);
        else if (spanLevel != level)
            text += QStringLiteral(" hasta %1, luego %2").arg(FormatHourMinute(lastMinute), LevelName(spanLevel));
        level = spanLevel;
        lastMinute = toMinute;
    }
};
} // namespace

QString DescribeWeek(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members)
{
    if (calendar.dayRowIndex < 1)
        return {};
    QStringList lines;
    DayWords current;
    for (int index = calendar.dayRowIndex;; ++index) {
        const std::optional<SignRow> parsed = ReadSignRow(calendar, pattern, index);
        if (!parsed)
            break;
        const SignRow& span = *parsed;
        if (span.date != current.day) {
            if (current.level != 0)
                lines << current.text;
            if (lines.size() == ChartDays)
                break;
            current = DayWords();
            current.day = span.date;
        }
        current.add(LevelOfSign(members, span.sign), span.toMinute);
    }
    if (current.level != 0 && lines.size() < ChartDays)
        lines << current.text;
    return lines.join(u'\n');
}
