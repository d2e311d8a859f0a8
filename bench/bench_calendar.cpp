// Speed of the sign calendar: the rebuild done at start-up and on each change
// of region, the lunar theory behind it, and the lookup a chart click makes.
#include "DateFieldWriter.h"
#include "DatePattern.h"
#include "DayNumber.h"
#include "SignCalendar.h"
#include "SignChanges.h"

#include <benchmark/benchmark.h>

namespace {

Gral BenchGral(int offset)
{
    Gral gral;
    gral.systemDateFormat = QStringLiteral("dd/MM/yyyy");
    gral.zoneOffset = offset;
    return gral;
}

void BM_BuildShiftedCalendar(benchmark::State& state)
{
    Gral gral = BenchGral(int(state.range(0)));
    BuildShiftedCalendar(gral); // the changes are computed once per process, before timing
    for (auto _ : state) {
        BuildShiftedCalendar(gral);
        benchmark::DoNotOptimize(gral.signCalendar.size());
    }
    if (gral.signCalendar.size() != 1052 || gral.dateIndex.size() != 1052)
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
    Gral gral = BenchGral(13);
    BuildShiftedCalendar(gral);
    // The last date is the worst case of the linear search.
    const double date = LastCoveredDayNumber;
    for (auto _ : state) {
        const int result = FindSignRow(gral, 2, date, 23 * 60 + 59);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_FindSignRow)->Unit(benchmark::kMicrosecond);

// The date fields of one calendar build: 1052 lines, written with the system's pattern.
void BM_FormatCalendarDates(benchmark::State& state)
{
    const DateFieldWriter writer(QStringLiteral("dd/MM/yyyy"));
    for (auto _ : state) {
        qsizetype chars = 0;
        for (int i = 0; i < 1052; ++i)
            chars += writer.write(int(FirstCoveredDayNumber) + i % 731).size();
        benchmark::DoNotOptimize(chars);
        if (chars != 1052 * 10)
            state.SkipWithError("every date must be 10 characters");
    }
}
BENCHMARK(BM_FormatCalendarDates)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
