#include "tendencies/TeamGrid.h"
#include "calendar/CalendarWindow.h"
#include "calendar/SignCalendar.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TendencyRule.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// The calendar's spans of one day (sign only, no level yet).
QList<TeamSpan> DaySpans(Gral& gral, double day)
{
    QList<TeamSpan> spans;
    const int first = CalendarDayRow(gral, day, 0);
    if (first < 1)
        return spans;
    for (int index = first;; ++index) {
        const std::optional<SignRow> row = ReadSignRow(gral.calendar, gral.environment.systemDateFormat, index);
        if (!row || row->date != std::floor(day))
            break;
        spans.append({row->fromMinute, row->toMinute, row->sign, 0});
    }
    return spans;
}

const QCollator& NameCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Spanish, QLocale::Spain)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

bool NameBefore(const TeamRow& a, const TeamRow& b)
{
    const int byName = NameCollator().compare(a.name, b.name);
    if (byName != 0)
        return byName < 0;
    if (a.birthDate != b.birthDate)
        return a.birthDate < b.birthDate;
    return a.memberIndex < b.memberIndex;
}

int LevelAt(const TeamRow& row, int minuteOfDay)
{
    const std::optional<TeamSpan> span = SpanAt(row, minuteOfDay);
    return span ? span->level : 0;
}

} // namespace

TeamGrid ComposeTeamGrid(Gral& gral, double day)
{
    TeamGrid grid;
    grid.day = std::floor(day);
    const QList<TeamSpan> spans = DaySpans(gral, grid.day);
    grid.dayFound = !spans.isEmpty();
    grid.rows.reserve(gral.members.memberList.size());
    for (int i = 0; i < gral.members.memberList.size(); ++i) {
        // Read as the main window's member box reads the same line.
        const QString& line = gral.members.memberList.at(i);
        TeamRow row;
        row.memberIndex = i;
        row.name = line.mid(10, 60).trimmed();
        const QString dateText = line.left(10).trimmed();
        const std::optional<double> birth = gral.environment.systemDateFormat.parse(dateText);
        row.birthDate = birth.value_or(0);
        row.entry = row.name + QStringLiteral(" - ") + (birth ? gral.environment.systemDateFormat.format(*birth) : dateText);
        row.memberSign = MemberSignOf(row.birthDate);
        row.spans = spans;
        for (TeamSpan& span : row.spans)
            span.level = LevelOfStep(SignStepOf(row.memberSign, span.sign));
        grid.rows.append(std::move(row));
    }
    SortTeamByName(grid);
    return grid;
}

std::optional<TeamSpan> SpanAt(const TeamRow& row, int minuteOfDay)
{
    if (row.spans.isEmpty())
        return std::nullopt;
    // The first span holds the minute, else the one after it (the main
    // window's lookup reads no further than a day's second span).
    if (minuteOfDay <= row.spans.first().toMinute || row.spans.size() == 1)
        return row.spans.first();
    for (const TeamSpan& span : row.spans)
        if (minuteOfDay >= span.fromMinute && minuteOfDay <= span.toMinute)
            return span;
    return row.spans.last();
}

void SortTeamByName(TeamGrid& grid)
{
    std::stable_sort(grid.rows.begin(), grid.rows.end(), NameBefore);
    grid.sortHour = -1;
}

void SortTeamAtHour(TeamGrid& grid, int hour)
{
    if (hour < 0 || hour > 23)
        return;
    const int minute = hour * 60;
    std::stable_sort(grid.rows.begin(), grid.rows.end(), [minute](const TeamRow& a, const TeamRow& b) {
        const int levelA = LevelAt(a, minute), levelB = LevelAt(b, minute);
        if (levelA != levelB)
            return levelA < levelB;
        return NameBefore(a, b);
    });
    grid.sortHour = hour;
}

QList<ChartPiece> TeamRowPieces(const TeamRow& row, int chartRow, const LevelColorTable& colours)
{
    QList<ChartPiece> pieces;
    for (qsizetype i = 0; i < row.spans.size(); ++i) {
        const TeamSpan& span = row.spans.at(i);
        const ColourValue colour = span.level >= 1 ? colours[size_t(span.level - 1)] : SilverColour;
        AppendSpanPieces(pieces, chartRow, i == 0, span.fromMinute, span.toMinute, colour);
    }
    return pieces;
}

QString DescribeTeamHour(const TeamRow& row, int hour)
{
    const int from = hour * 60, to = from + 59;
    QString text;
    int level = 0;
    int lastMinute = 0;
    for (const TeamSpan& span : row.spans) {
        if (span.toMinute < from || span.fromMinute > to)
            continue;
        if (level == 0)
            text = FormatHourMinute(from) + QStringLiteral(": ") + LevelName(span.level);
        else if (span.level != level)
            text += QStringLiteral(" hasta %1, luego %2").arg(FormatHourMinute(lastMinute), LevelName(span.level));
        level = span.level;
        lastMinute = span.toMinute;
    }
    return text;
}
