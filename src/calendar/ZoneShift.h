#pragma once
// The calendar on the wall clock of a named time zone (an IANA zone of the
// system's time zone database, through QTimeZone): each sign change is placed
// with the zone's offset at the change's own instant, so every date reads on
// the clock in force then: summer and winter time, half-hour and 45-minute
// offsets, the historic changes of the zone.
//
// The rows keep the form and the invariants of the whole-hour calendar: every
// date from 00:00 to 23:59 of its wall clock, in one row, or in two around its
// sign change. Where the clock jumps:
// - the skipped hour (clocks forward, 02:00 becomes 03:00): no instant reads
//   inside it, so no change is shown there; a change at the very instant of
//   the jump reads as the first minute after the gap (03:00). The rows still
//   run through the missing hour, in the sign held across the gap, so the
//   day is drawn with its 24 columns like any other.
// - the repeated hour (clocks back, 03:00 becomes 02:00 again): a change in
//   it is shown at the wall-clock time it happened, in whichever of the two
//   passes; the rows cannot tell the passes apart, so the hour shows the
//   sign of the pass that holds the change.
// - a skipped date (the date line moved, Pacific/Kiritimati's 31/12/1994):
//   one row, the sign held across the gap.
// - a clock set back by most of a day, so that two changes land on one date:
//   the date shows the later one.
#include "calendar/CalendarRows.h"
#include "calendar/CalendarState.h"
#include "calendar/SignChanges.h"
#include "core/Result.h"

#include <QStringList>
#include <QTimeZone>
#include <vector>

class DatePattern;

// A minute of a day on a wall clock.
struct WallClockMinute {
    int day = 0;    // day number
    int minute = 0; // 0..1439
    auto operator<=>(const WallClockMinute&) const = default;
};

// The UTC instant of a change, in seconds since 1970: its base-zone minute
// (UTC-12, the minute the whole-hour calendar shows) plus twelve hours.
qint64 ChangeInstantUtc(const SignChange& change);

// The wall-clock minute of the change in the zone: its instant plus the
// zone's offset at that instant, the seconds of the result dropped.
WallClockMinute WallClockOfChange(const QTimeZone& zone, const SignChange& change);

// How many days before the first date the changes must begin: the base zone
// (UTC-12) lies up to 26 hours behind any zone's clock, and the sign held
// at the first date's start is the one before the first change given.
constexpr int ZoneChangesDaysBefore = 3;

// The rows of the dates firstDay..lastDay on the zone's wall clock. `changes`
// are in time order and hold every change whose base-zone day lies in
// firstDay - ZoneChangesDaysBefore .. lastDay; nothing is returned without any.
CalendarRows ShiftChangesToZone(const std::vector<SignChange>& changes, const QTimeZone& zone, int firstDay,
                                int lastDay, const DatePattern& pattern);

// Rebuilds the calendar's rows for the dates firstDay..lastDay (of the whole
// years firstYear..lastYear) in calendar.namedZone; fails, leaving no rows,
// when the zone gives none.
Result<void> BuildNamedZoneCalendar(CalendarState& calendar, const DatePattern& pattern, int firstYear, int lastYear,
                                    int firstDay, int lastDay);
