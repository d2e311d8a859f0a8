// Speed of the sign calendar: the rebuild done at start-up and on each change
// of region (the DEMO's two years from carried data, a full-edition window of
// two years from the lunar theory), the theory itself, the lookup a chart
// click makes, the day lookup of every drawing and the date fields of a build.
#include "calendar/CalendarWindow.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignChanges.h"
#include "calendar/ZoneShift.h"

#include <benchmark/benchmark.h>

namespace {

// The calendar and the short-date pattern its lines are written with.
struct BenchCalendar {
    CalendarState calendar;
    DatePattern pattern{QStringLiteral("dd/MM/yyyy")};
};

BenchCalendar CalendarFor(int offset)
{
    BenchCalendar bench;
    bench.calendar.zoneOffset = offset;
    return bench;
}

void BM_BuildShiftedCalendar(benchmark::State& state)
{
    BenchCalendar bench = CalendarFor(int(state.range(0)));
    // The changes are computed once per process, before timing.
    (void)BuildShiftedCalendar(bench.calendar, bench.pattern);
    for (auto _ : state) {
        (void)BuildShiftedCalendar(bench.calendar, bench.pattern);
        benchmark::DoNotOptimize(bench.calendar.signCalendar.size());
    }
    if (bench.calendar.signCalendar.size() != 1052 || bench.calendar.dateIndex.size() != 1052)
        state.SkipWithError("the build did not give 1052 lines");
}
BENCHMARK(BM_BuildShiftedCalendar)->Arg(0)->Arg(13)->Unit(benchmark::kMicrosecond);

void BM_ComputeSignChangesBothYears(benchmark::State& state)
{
    for (auto _ : state) {
        const std::vector<SignChange> changes = ComputeSignChanges(int(FirstCoveredDayNumber), int(LastCoveredDayNumber));
        benchmark::DoNotOptimize(changes.data());
        if (changes.size() != 321)
            state.SkipWithError("expected 321 changes");
    }
}
BENCHMARK(BM_ComputeSignChangesBothYears)->Unit(benchmark::kMillisecond);

void BM_FindSignRow(benchmark::State& state)
{
    BenchCalendar bench = CalendarFor(13);
    (void)BuildShiftedCalendar(bench.calendar, bench.pattern);
    const double date = LastCoveredDayNumber;
    for (auto _ : state) {
        const std::optional<int> result =
            FindSignRow(bench.calendar, bench.pattern, RowLookup::Moment, date, 23 * 60 + 59);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_FindSignRow)->Unit(benchmark::kMicrosecond);

// The date fields of one calendar build: 1052 lines, written with the system's pattern.
void BM_FormatCalendarDates(benchmark::State& state)
{
    const DatePattern pattern(QStringLiteral("dd/MM/yyyy"));
    for (auto _ : state) {
        qsizetype chars = 0;
        for (int i = 0; i < 1052; ++i)
            chars += pattern.format(int(FirstCoveredDayNumber) + i % 731).size();
        benchmark::DoNotOptimize(chars);
        if (chars != 1052 * 10)
            state.SkipWithError("every date must be 10 characters");
    }
}
BENCHMARK(BM_FormatCalendarDates)->Unit(benchmark::kMicrosecond);

BenchCalendar FullCalendarFor(int offset)
{
    BenchCalendar bench = CalendarFor(offset);
    bench.calendar.coveredPeriod.firstDay = FullFirstDayNumber;
    bench.calendar.coveredPeriod.lastDay = FullLastDayNumber;
    return bench;
}

// A full-edition window, 2025-2026: the changes from the lunar theory, the
// year tables, the shift and the day table, nothing cached between builds.
void BM_BuildFullWindow(benchmark::State& state)
{
    BenchCalendar bench = FullCalendarFor(int(state.range(0)));
    for (auto _ : state) {
        (void)BuildShiftedCalendarYears(bench.calendar, bench.pattern, 2025, 2026);
        benchmark::DoNotOptimize(bench.calendar.signCalendar.size());
    }
    if (bench.calendar.dayRows.rowOf(DayNumberFromDate(QDate(2026, 12, 31))) < 1)
        state.SkipWithError("the window does not hold 31/12/2026");
}
BENCHMARK(BM_BuildFullWindow)->Arg(0)->Arg(13)->Unit(benchmark::kMillisecond);

// Shifting two years (2025-2026, or 2099-2100 past the zone database's last
// listed change, where the offsets come from the zone's rule) to a named
// zone's clock: the offset at each change's instant, the rows and their dates.
// The target is 5 ms.
void BM_ShiftNamedZone(benchmark::State& state)
{
    const QTimeZone madrid(QByteArrayLiteral("Europe/Madrid"));
    if (!madrid.isValid()) {
        state.SkipWithError("no time zone database (package tzdata)");
        return;
    }
    const int firstYear = int(state.range(0));
    const int firstDay = int(DayNumberFromDate(QDate(firstYear, 1, 1)));
    const int lastDay = int(DayNumberFromDate(QDate(firstYear + 1, 12, 31)));
    const std::vector<SignChange> changes = SignChangesBetween(firstDay - ZoneChangesDaysBefore, lastDay);
    const DatePattern pattern(QStringLiteral("dd/MM/yyyy"));
    qsizetype rows = 0;
    for (auto _ : state) {
        const CalendarRows shifted = ShiftChangesToZone(changes, madrid, firstDay, lastDay, pattern);
        rows = shifted.lines.size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows < lastDay - firstDay + 1)
        state.SkipWithError("not every date has its rows");
}
BENCHMARK(BM_ShiftNamedZone)->Arg(2025)->Arg(2099)->Unit(benchmark::kMillisecond);

// The whole build for a named zone, the lunar theory included, as the full edition does it.
void BM_BuildFullWindowNamedZone(benchmark::State& state)
{
    BenchCalendar bench = FullCalendarFor(12);
    bench.calendar.namedZone = QTimeZone(QByteArrayLiteral("Europe/Madrid"));
    for (auto _ : state) {
        (void)BuildShiftedCalendarYears(bench.calendar, bench.pattern, 2025, 2026);
        benchmark::DoNotOptimize(bench.calendar.signCalendar.size());
    }
    if (bench.calendar.dayRows.rowOf(DayNumberFromDate(QDate(2026, 12, 31))) < 1)
        state.SkipWithError("the window does not hold 31/12/2026 (no time zone database?)");
}
BENCHMARK(BM_BuildFullWindowNamedZone)->Unit(benchmark::kMillisecond);

// The day lookup of the main window and the print (the window already holds the week).
void BM_CalendarDayRow(benchmark::State& state)
{
    BenchCalendar bench = FullCalendarFor(13);
    (void)BuildShiftedCalendarYears(bench.calendar, bench.pattern, 2025, 2026);
    double day = DayNumberFromDate(QDate(2025, 1, 1));
    const double last = DayNumberFromDate(QDate(2026, 12, 20));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalendarYearsToHold(bench.calendar, day, 6));
        benchmark::DoNotOptimize(bench.calendar.dayRows.rowOf(day));
        day = day < last ? day + 1 : day - 700;
    }
    if (bench.calendar.calendarFirstYear != 2025)
        state.SkipWithError("the window moved");
}
BENCHMARK(BM_CalendarDayRow)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
