#pragma once
// The invariants every shifted calendar keeps, whatever the zone: every date
// of its span in order, each from 00:00 to 23:59 of its clock in one row or in
// two around its sign change, the sign going on to the next one at a change.
// On a whole-hour zone's clock the changes also keep the base zone's minute
// rule (never on :58..:01) and their spacing of 1.9 to 2.6 days; on a named
// zone's clock they move with the zone's offset (summer time, a date line
// moved), and a change may fall on midnight, starting the date in the new sign.
#include "core/DatePattern.h"
#include "calendar/SignRowText.h"

#include <QStringList>

enum class ZoneClock { WholeHours, Named };

// An empty text when the rows (dd/MM/yyyy) of the days firstDay..lastDay keep the invariants, else the first fault.
inline QString BrokenInvariant(const QStringList& rows, int firstDay, int lastDay,
                               ZoneClock clock = ZoneClock::WholeHours)
{
    const DatePattern dmy(QStringLiteral("dd/MM/yyyy"));
    int previousDay = firstDay - 1, previousTo = LastMinuteOfDay, previousSign = 0, rowsOfDay = 0;
    qint64 previousChange = -1;
    for (const QString& line : rows) {
        const int day = int(dmy.parse(line.left(10)).value_or(-1));
        const std::optional<int> fromField = ReadHourMinute(FromField(line));
        const std::optional<int> toField = ReadHourMinute(ToField(line));
        const std::optional<int> signField = ReadTwoDigits(SignField(line));
        if (line.size() != 25 || !fromField || !toField || !signField || *signField < 1 || *signField > 12)
            return "malformed: " + line;
        const int from = *fromField, to = *toField, sign = *signField;
        if (day == previousDay) {
            if (++rowsOfDay > 2)
                return "third row: " + line;
            if (from != previousTo + 1 || sign != previousSign % 12 + 1)
                return "no change continuity: " + line;
            if (clock == ZoneClock::WholeHours) {
                if (from % 60 >= 58 || from % 60 <= 1)
                    return "change on :58..:01: " + line;
                const qint64 change = qint64(day) * 1440 + from;
                if (previousChange >= 0
                    && (change - previousChange < 1.9 * 1440 || change - previousChange > 2.6 * 1440))
                    return "changes too close or too far: " + line;
                previousChange = change;
            }
        } else {
            if (day != previousDay + 1 || from != 0 || previousTo != LastMinuteOfDay)
                return "gap between days: " + line;
            const bool changeAtMidnight = clock == ZoneClock::Named && sign == previousSign % 12 + 1;
            if (previousSign != 0 && sign != previousSign && !changeAtMidnight)
                return "sign changed at midnight: " + line;
            rowsOfDay = 1;
        }
        previousDay = day;
        previousTo = to;
        previousSign = sign;
    }
    if (previousDay != lastDay || previousTo != LastMinuteOfDay)
        return QStringLiteral("ends on day %1, not %2").arg(previousDay).arg(lastDay);
    return {};
}
