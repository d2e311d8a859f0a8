// Speed of the team window (full edition) with 60 members: the grid computed
// and painted for the shown day, and the window opened anew on a day of
// another year, which moves the calendar's window first.
#include "pronos-snapshot/DemoSetup.h"
#include "platform/DesktopPlatform.h"
#include "core/Edition.h"
#include "members/MembersStartup.h"
#include "calendar/SignCalendar.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TeamGrid.h"
#include "tendencies/TeamGridView.h"
#include "tendencies/TeamWindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Members = 60;
QString g_folder; // the program folder with the members
UnattendedPlatform g_platform; // nothing waits for a person

// The full edition's shared state as the start-up leaves it: members read,
// the region's calendar built around today.
bool PrepareGral(Gral& gral)
{
    if (const Result<QString> pattern = ReadSystemDateFormat())
        gral.environment.systemDateFormat = *pattern;
    gral.environment.startDateText = gral.environment.systemDateFormat.format(TodayDayNumber());
    gral.environment.programFolder = g_folder;
    gral.environment.dataFolder = g_folder;
    gral.calendar.coveredPeriod = CurrentEdition().period(DayNumberFromDate(QDate(2025, 6, 15)));
    gral.calendar.zoneOffset = 13;
    if (!OpenMembersFile(gral) || gral.members.memberList.size() != Members)
        return false;
    (void)BuildShiftedCalendar(gral.calendar, gral.environment.systemDateFormat);
    return true;
}

// The window on 15/06/2025 with every row on the screen at once, so painting
// the grid paints all 60; null, the benchmark marked as failed, when the
// start-up failed.
std::unique_ptr<TeamWindow> WholeTeamWindow(Gral& gral, benchmark::State& state)
{
    if (!PrepareGral(gral)) {
        state.SkipWithError("start-up failed");
        return nullptr;
    }
    auto window = std::make_unique<TeamWindow>(gral, DayNumberFromDate(QDate(2025, 6, 15)));
    window->resize(960, ChartRowHeight * Members + 400);
    window->show();
    QApplication::processEvents();
    return window;
}

void BM_TeamComputeAndPaint(benchmark::State& state)
{
    Gral gral{g_platform};
    const std::unique_ptr<TeamWindow> window = WholeTeamWindow(gral, state);
    if (!window)
        return;
    for (auto _ : state) {
        window->Refresh(false);
        const QPixmap painted = window->Grid1->viewport()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (window->Grid1->model()->rowCount() != Members)
        state.SkipWithError("not every member in the grid");
}
BENCHMARK(BM_TeamComputeAndPaint)->Unit(benchmark::kMillisecond);

// The parts of it: the data alone, and the painting of the shown grid alone.
void BM_TeamComposeOnly(benchmark::State& state)
{
    Gral gral{g_platform};
    if (!PrepareGral(gral))
        return state.SkipWithError("start-up failed");
    for (auto _ : state) {
        const TeamGrid grid = ComposeTeamGrid(gral.calendar, gral.environment.systemDateFormat, gral.members,
                                              DayNumberFromDate(QDate(2025, 6, 15)));
        benchmark::DoNotOptimize(grid.rows.size());
    }
}
BENCHMARK(BM_TeamComposeOnly)->Unit(benchmark::kMillisecond);

void BM_TeamPaintOnly(benchmark::State& state)
{
    Gral gral{g_platform};
    const std::unique_ptr<TeamWindow> window = WholeTeamWindow(gral, state);
    if (!window)
        return;
    for (auto _ : state) {
        const QPixmap painted = window->Grid1->viewport()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_TeamPaintOnly)->Unit(benchmark::kMillisecond);

// Opened anew on another day: Arg 0, a day the calendar's window holds
// (15/06/2025 and 18/06/2025 by turns); Arg 1, a day of another year
// (15/06/2025 and 20/12/2031 by turns), so each opening moves the window first.
void BM_TeamReopenOnAnotherDay(benchmark::State& state)
{
    Gral gral{g_platform};
    if (!PrepareGral(gral))
        return state.SkipWithError("start-up failed");
    const bool otherYear = state.range(0) == 1;
    state.SetLabel(otherYear ? "another year" : "the same calendar window");
    const double days[] = {DayNumberFromDate(otherYear ? QDate(2031, 12, 20) : QDate(2025, 6, 18)),
                           DayNumberFromDate(QDate(2025, 6, 15))};
    int moved = 0;
    int turn = 0;
    for (auto _ : state) {
        const int yearBefore = gral.calendar.calendarFirstYear;
        TeamWindow window(gral, days[turn++ % 2]);
        window.show();
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        moved += gral.calendar.calendarFirstYear != yearBefore ? 1 : 0;
    }
    if (moved != (otherYear ? int(state.iterations()) : 0))
        state.SkipWithError("the calendar's window did not move as meant");
}
BENCHMARK(BM_TeamReopenOnAnotherDay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    RedirectSettings(temp.path() + "/home");
    g_folder = temp.path() + "/program/";
    QDir().mkpath(g_folder);
    if (!WriteDemoMembers(g_folder, Members))
        return 1;
    UseEdition(FullEdition());
    StoreDemoRegion();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
