// Speed of the calendar export (full edition): the team of 60 over 31 days in
// Europe/Madrid — the events planned, the iCalendar text composed by libical
// and the file written through its temporary file — within 1 s.
#include "export/CalendarExport.h"
#include "core/Edition.h"
#include "export/ICalendarFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ExportTeamOf60Over31Days(benchmark::State& state)
{
    UseEdition(FullEdition());
    CalendarState calendar;
    calendar.coveredPeriod.firstDay = FullFirstDayNumber;
    calendar.coveredPeriod.lastDay = FullLastDayNumber;
    calendar.namedZone = QTimeZone("Europe/Madrid");
    ExportRequest request;
    request.who = QStringLiteral("Equipo");
    for (int i = 0; i < 60; ++i) // birth dates a week apart: every member sign is there
        request.members.append({QStringLiteral("INTEGRANTE %1, NOMBRE").arg(i), 30000.0 + 7 * i});
    request.firstDay = DayNumberFromDate(QDate(2027, 10, 15));
    request.days = 31;
    QTemporaryDir folder;
    qsizetype events = 0;
    for (auto _ : state) {
        const Result<ExportPlan> plan = PlanCalendarExport(request, calendar);
        if (!plan) {
            state.SkipWithError(qPrintable(plan.failure().text));
            return;
        }
        const Result<void> saved = SaveExportFile(folder.filePath("Equipo.ics"),
                                                  ComposeICalendar(*plan, ExportClockOf(calendar), ExportProductId(),
                                                                   QDateTime::currentDateTimeUtc()));
        if (!saved)
            state.SkipWithError(qPrintable(saved.failure().text));
        events = plan->events.size();
    }
    state.counters["events"] = double(events);
}
BENCHMARK(BM_ExportTeamOf60Over31Days)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
