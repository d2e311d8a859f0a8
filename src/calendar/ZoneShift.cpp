#include "calendar/ZoneShift.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"

#include <QDateTime>

namespace {

constexpr qint64 SecondsPerDay = 86400;
constexpr qint64 UnixEpochDayNumber = 25569; // 1 January 1970
constexpr qint64 BaseZoneSecondsBehindUtc = 12 * 3600;

qint64 FloorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int SignBefore(int sign) { return sign == 1 ? 12 : sign - 1; }

} // namespace

qint64 ChangeInstantUtc(const SignChange& change)
{
    return (qint64(change.baseDay) - UnixEpochDayNumber) * SecondsPerDay + qint64(change.baseMinute) * 60
           + BaseZoneSecondsBehindUtc;
}

WallClockMinute WallClockOfChange(const QTimeZone& zone, const SignChange& change)
{
    const qint64 utc = ChangeInstantUtc(change);
    const qint64 local = utc + zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
    const qint64 day = FloorDiv(local, SecondsPerDay);
    return {int(day + UnixEpochDayNumber), int((local - day * SecondsPerDay) / 60)};
}

CalendarRows ShiftChangesToZone(const std::vector<SignChange>& changes, const QTimeZone& zone, int firstDay,
                                int lastDay, const DatePattern& pattern)
{
    CalendarRows rows;
    if (changes.empty() || lastDay < firstDay)
        return rows;
    // Where each change reads on the wall clock, kept in time order: a clock
    // set back past an earlier change shows the later one at the earlier's place.
    std::vector<WallClockMinute> places;
    places.reserve(changes.size());
    for (const SignChange& change : changes) {
        const WallClockMinute place = WallClockOfChange(zone, change);
        places.push_back(places.empty() ? place : std::max(place, places.back()));
    }
    const qsizetype expected = qsizetype(lastDay - firstDay + 1) * 3 / 2;
    rows.reserve(expected);

    int sign = SignBefore(changes.front().newSign);
    size_t next = 0;
    for (int day = firstDay; day <= lastDay; ++day) {
        while (next < changes.size() && places[next].day < day)
            sign = changes[next++].newSign;
        const int signAtMidnight = sign;
        int changeMinute = -1;
        while (next < changes.size() && places[next].day == day) {
            changeMinute = places[next].minute;
            sign = changes[next++].newSign;
        }
        const QString dateText = pattern.format(day);
        auto append = [&](int from, int to, int rowSign) {
            rows.append(SignRowLine(dateText, from, to, rowSign), dateText, day);
        };
        if (changeMinute <= 0) { // no change, or one at midnight: the whole day in one sign
            append(0, LastMinuteOfDay, sign);
        } else {
            append(0, changeMinute - 1, signAtMidnight);
            append(changeMinute, LastMinuteOfDay, sign);
        }
    }
    return rows;
}

Result<void> BuildNamedZoneCalendar(CalendarState& calendar, const DatePattern& pattern, int firstYear, int lastYear,
                                    int firstDay, int lastDay)
{
    const std::vector<SignChange> changes = SignChangesBetween(firstDay - ZoneChangesDaysBefore, lastDay);
    CalendarRows rows = ShiftChangesToZone(changes, calendar.namedZone, firstDay, lastDay, pattern);
    const bool built = !rows.isEmpty();
    InstallCalendarRows(calendar, std::move(rows), firstYear, lastYear, built);
    if (built)
        return {};
    return Failure{QStringLiteral("No se pudo calcular el calendario para la zona horaria \"%1\".")
                       .arg(QString::fromUtf8(calendar.namedZone.id())),
                   StyleError};
}
