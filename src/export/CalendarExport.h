#pragma once
// What a calendar export writes, without any window or file: one event per
// span of one Moon sign for each chosen member — from one sign change to the
// next, a span crossing midnight being one event — for every span that
// overlaps the chosen days, written whole so that overlapping exports give
// the same events. The spans are the zone shift's sign changes (ZoneShift.h),
// the very instants the chart's rows are made from, so an instant in the
// autumn's repeated hour keeps its pass.
#include "core/Result.h"
#include "calendar/CalendarState.h"

#include <QList>
#include <QString>
#include <QTimeZone>
#include <array>

constexpr int ExportMaxDays = 31;

struct ExportMember {
    QString name;          // trimmed, as the members file holds it
    double birthDate = 0;  // day number
};

struct ExportRequest {
    QString who;           // "Equipo" or the member's name: names the calendar a client subscribes to
    QList<ExportMember> members;
    double firstDay = 0;   // the first chosen day (on the zone's wall clock)
    int days = 7;          // 1..ExportMaxDays
    std::array<bool, 5> levels{true, true, true, true, true}; // level 1..5 written
};

// The wall clock the events are stated on: a named zone (events carry its
// TZID), or a classic region's fixed offset (events in UTC).
struct ExportClock {
    QTimeZone zone;
    bool named = false;
};
ExportClock ExportClockOf(const CalendarState& calendar);
// What the window says of the clock: "Horas en la zona Europe/Madrid." or in UTC.
QString ExportClockText(const ExportClock& clock);

struct ExportEvent {
    ExportMember member;
    int sign = 0;          // calendar sign 1..12
    int level = 0;         // 1..5 for the member
    qint64 startUtc = 0;   // seconds since 1970: the span's first sign change
    qint64 endUtc = 0;     // the next one
};

struct ExportPlan {
    QString who;                    // the request's
    QList<ExportEvent> events;     // by member in request order, then by start
    bool leftOutsidePeriod = false; // spans reaching past the covered period were left out
};

// The events of `request` in `calendar`'s zone and covered period; the
// failure says why the request can't be written (nothing may be).
Result<ExportPlan> PlanCalendarExport(const ExportRequest& request, const CalendarState& calendar);

// The message shown once the file is written: how many events, and that the
// period ends when spans were left out.
QString ExportDoneText(const ExportPlan& plan, const CalendarState& calendar);

// "<member or Equipo> <yyyy-mm-dd>.ics", with the characters a file name
// can't hold replaced by "_".
QString ExportFileName(const QString& who, double firstDay);
