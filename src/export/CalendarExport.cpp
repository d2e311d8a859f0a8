#include "export/CalendarExport.h"
#include "core/DayNumber.h"
#include "calendar/SignChanges.h"
#include "tendencies/TendencyRule.h"
#include "calendar/ZoneShift.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// The base zone (UTC-12) lies up to 26 hours behind any wall clock and a sign
// is held at most about two and a half days: these base days hold the change
// that opens a span overlapping the first day and the one that closes a span
// overlapping the last.
constexpr int BaseDaysBefore = 6;
constexpr int BaseDaysAfter = 4;

QString PeriodDateText(double day)
{
    return DateFromDayNumber(day).toString(QStringLiteral("dd/MM/yyyy"));
}

Result<void> CheckRequest(const ExportRequest& request, const CalendarState& calendar)
{
    if (request.days < 1 || request.days > ExportMaxDays)
        return Failure{QStringLiteral("El número de días debe estar entre 1 y %1.").arg(ExportMaxDays)};
    if (!std::isfinite(request.firstDay) || std::floor(request.firstDay) < calendar.coveredPeriod.firstDay
        || std::floor(request.firstDay) > calendar.coveredPeriod.lastDay)
        return Failure{QStringLiteral("La fecha inicial debe estar entre el %1 y el %2.")
                           .arg(PeriodDateText(calendar.coveredPeriod.firstDay),
                                PeriodDateText(calendar.coveredPeriod.lastDay))};
    if (request.members.isEmpty())
        return Failure{QStringLiteral("No hay integrantes que exportar.")};
    for (bool level : request.levels)
        if (level)
            return {};
    return Failure{QStringLiteral("Marque al menos un nivel de tendencia.")};
}

struct SignSpan {
    int sign = 0;
    qint64 startUtc = 0;
    qint64 endUtc = 0;
};

} // namespace

ExportClock ExportClockOf(const CalendarState& calendar)
{
    if (calendar.namedZone.isValid())
        return {calendar.namedZone, true};
    // The classic region moves the base zone (UTC-12) by whole hours on every date alike.
    return {QTimeZone((calendar.zoneOffset - int(BaseZoneHoursBehindUtc)) * 3600), false};
}

QString ExportClockText(const ExportClock& clock)
{
    return clock.named ? QStringLiteral("Horas en la zona %1.").arg(QString::fromUtf8(clock.zone.id()))
                       : QStringLiteral("Horas en UTC: el calendario las muestra en la hora del teléfono.");
}

Result<ExportPlan> PlanCalendarExport(const ExportRequest& request, const CalendarState& calendar)
{
    if (const Result<void> checked = CheckRequest(request, calendar); !checked)
        return checked.failure();
    ExportPlan plan;
    plan.who = request.who;
    const int firstDay = int(std::floor(request.firstDay));
    int lastDay = firstDay + request.days - 1;
    const int lastCovered = int(std::floor(calendar.coveredPeriod.lastDay));
    const int firstCovered = int(std::floor(calendar.coveredPeriod.firstDay));
    if (lastDay > lastCovered) {
        lastDay = lastCovered;
        plan.leftOutsidePeriod = true;
    }
    const QTimeZone zone = ExportClockOf(calendar).zone;
    const std::vector<SignChange> changes = SignChangesBetween(firstDay - BaseDaysBefore, lastDay + BaseDaysAfter);

    QList<SignSpan> spans;
    for (size_t i = 0; i + 1 < changes.size(); ++i) {
        const WallClockMinute from = WallClockOfChange(zone, changes[i]);
        const WallClockMinute to = WallClockOfChange(zone, changes[i + 1]);
        // Overlaps the chosen days: begins before the day after the last, ends after the first's midnight.
        if (!(from < WallClockMinute{lastDay + 1, 0}) || !(WallClockMinute{firstDay, 0} < to))
            continue;
        if (from.day < firstCovered || to > WallClockMinute{lastCovered + 1, 0}) {
            plan.leftOutsidePeriod = true; // it can't be written whole
            continue;
        }
        spans.append({changes[i].newSign, ChangeInstantUtc(changes[i]), ChangeInstantUtc(changes[i + 1])});
    }

    for (const ExportMember& member : request.members) {
        const int memberSign = MemberSignOf(member.birthDate);
        for (const SignSpan& span : spans) {
            const int level = LevelOfStep(SignStepOf(memberSign, span.sign));
            if (level < 1 || level > 5 || !request.levels[size_t(level - 1)])
                continue;
            plan.events.append({member, span.sign, level, span.startUtc, span.endUtc});
        }
    }
    return plan;
}

QString ExportDoneText(const ExportPlan& plan, const CalendarState& calendar)
{
    QString text = plan.events.size() == 1 ? QStringLiteral("Se escribió 1 evento.")
                                           : QStringLiteral("Se escribieron %1 eventos.").arg(plan.events.size());
    if (plan.leftOutsidePeriod)
        text += QStringLiteral(" El período del programa va del %1 al %2: "
                               "los tramos que salen de él no se escribieron.")
                    .arg(PeriodDateText(calendar.coveredPeriod.firstDay), PeriodDateText(calendar.coveredPeriod.lastDay));
    return text;
}

QString ExportFileName(const QString& who, double firstDay)
{
    static const QRegularExpression unfit(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = who.trimmed();
    name.replace(unfit, QStringLiteral("_"));
    return name + u' ' + DateFromDayNumber(firstDay).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".ics");
}
