// Speed of the main window: one week's drawing, a sweep of the track bar over
// the whole covered period, a day step of the full edition that moves the
// calendar's window, and the start-up of either edition to the first drawn
// chart measured against an empty main window started the same way (a process
// of its own).
//
// `bench_tendencies --probe pronos|full|empty` is the started process: it
// builds the window, shows it, lets it paint once and ends.
#include "pronos-snapshot/DemoSetup.h"
#include "platform/DesktopPlatform.h"
#include "core/Edition.h"
#include "members/MembersStartup.h"
#include "app/ProgramMessage.h"
#include "calendar/SignCalendar.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm1.h"
#include "tendencies/WeekChart.h"
#include "tendencies/WeekLayout.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

QString g_root;    // temporary folder: settings under home/, the program under program/
QString g_folder;  // the program folder with 30 members
UnattendedPlatform g_platform; // nothing waits for a person
QString g_program; // this executable

// The program's own start-up from the members file to the first drawn week.
std::unique_ptr<TForm1> StartMainWindow(Gral& gral)
{
    if (const Result<QString> pattern = ReadSystemDateFormat())
        gral.environment.systemDateFormat = *pattern;
    gral.environment.startDateText = gral.environment.systemDateFormat.format(TodayDayNumber());
    gral.environment.programFolder = g_folder;
    gral.calendar.coveredPeriod = CurrentEdition().period(TodayDayNumber());
    gral.environment.dataFolder = g_folder;
    if (!OpenMembersFile(gral))
        return nullptr;
    return std::make_unique<TForm1>(gral);
}

// The started main window for one benchmark, shown and painted when asked;
// null, with the benchmark marked as failed, when the start-up failed.
std::unique_ptr<TForm1> BenchWindow(Gral& gral, benchmark::State& state, bool shown)
{
    std::unique_ptr<TForm1> window = StartMainWindow(gral);
    if (!window) {
        state.SkipWithError("start-up failed");
        return nullptr;
    }
    if (shown) {
        window->show();
        QApplication::processEvents();
    }
    return window;
}

void BM_DrawWeek(benchmark::State& state)
{
    Gral gral{g_platform};
    const std::unique_ptr<TForm1> window = BenchWindow(gral, state, true);
    if (!window)
        return;
    for (auto _ : state) {
        gral.calendar.dayRowIndex = 1;
        window->DrawWeek();
    }
}
BENCHMARK(BM_DrawWeek)->Unit(benchmark::kMicrosecond);

void BM_ComposeAndPaintWeek(benchmark::State& state)
{
    Gral gral{g_platform};
    const std::unique_ptr<TForm1> window = BenchWindow(gral, state, false);
    if (!window)
        return;
    for (auto _ : state) {
        gral.calendar.dayRowIndex = 1;
        const QImage image = PaintWeekImage(
            ComposeWeek(gral.calendar, gral.environment.systemDateFormat, gral.members, gral.levelColors));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ComposeAndPaintWeek)->Unit(benchmark::kMicrosecond);

// All 731 days through the track bar: change handler, drawing and repaint.
void BM_TrackBarSweep(benchmark::State& state)
{
    Gral gral{g_platform};
    const std::unique_ptr<TForm1> window = BenchWindow(gral, state, true);
    if (!window)
        return;
    for (auto _ : state) {
        for (int position = 1; position <= window->Barra->maximum(); ++position)
            window->Barra->setValue(position);
        state.PauseTiming();
        if (window->DateLabels[0]->text() != QStringLiteral("31/12/2004"))
            state.SkipWithError("the sweep did not reach 31/12/2004");
        window->Barra->setValue(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TrackBarSweep)->Unit(benchmark::kMillisecond)->Iterations(3);

// Full edition: one step of the track bar (key Down) from 25/12/2025 while the
// calendar holds 2024-2025, so the next week reaches into 2026 and the window
// is rebuilt as 2025-2026 from the lunar theory; the drawing and the repaint
// of the changed controls are included.
void BM_FullDayStepWithRebuild(benchmark::State& state)
{
    UseEdition(FullEdition());
    Gral gral{g_platform};
    const std::unique_ptr<TForm1> window = BenchWindow(gral, state, true);
    UseEdition(DemoEdition());
    if (!window)
        return;
    int rebuilt = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // 25/12/2025 shown, applied as the user does, with the calendar holding 2024-2025.
        (void)BuildShiftedCalendarYears(gral.calendar, gral.environment.systemDateFormat, 2024, 2025);
        window->DateTime1->setDate(QDate(2025, 12, 25));
        QTest::mouseClick(window->Button1, Qt::LeftButton);
        window->Barra->setFocus();
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(window->Barra, Qt::Key_Down);
        state.PauseTiming();
        rebuilt += gral.calendar.calendarLastYear == 2026 ? 1 : 0;
        state.ResumeTiming();
    }
    if (window->DateLabels[0]->text() != QStringLiteral("26/12/2025") || rebuilt != int(state.iterations()))
        state.SkipWithError("the step did not rebuild the window and show 26/12/2025");
}
BENCHMARK(BM_FullDayStepWithRebuild)->Unit(benchmark::kMillisecond)->Iterations(50);

double RunProbe(const char* kind)
{
    QProcess probe;
    QElapsedTimer timer;
    timer.start();
    probe.start(g_program, {QStringLiteral("--probe"), QString::fromLatin1(kind), g_root});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

// Start-up of the program to its first drawn chart against an empty main window, both as processes.
void BM_StartupRatio(benchmark::State& state)
{
    // Arg 0: the DEMO; 1: the full edition opening on today.
    const char* kind = state.range(0) == 0 ? "pronos" : "full";
    state.SetLabel(kind);
    double pronos = 0, empty = 0;
    int runs = 0;
    for (auto _ : state) {
        const double p = RunProbe(kind);
        const double e = RunProbe("empty");
        if (p < 0 || e < 0) {
            state.SkipWithError("a probe failed");
            return;
        }
        pronos += p;
        empty += e;
        ++runs;
    }
    state.counters["pronos_ms"] = pronos / runs;
    state.counters["empty_ms"] = empty / runs;
    state.counters["ratio"] = pronos / empty;
}
BENCHMARK(BM_StartupRatio)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

int Probe(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RedirectSettings(QString::fromLocal8Bit(argv[3]) + "/home");
    g_folder = QString::fromLocal8Bit(argv[3]) + "/program/";
    std::unique_ptr<QMainWindow> window;
    Gral gral{g_platform};
    if (std::strcmp(argv[2], "full") == 0)
        UseEdition(FullEdition());
    if (std::strcmp(argv[2], "pronos") == 0 || std::strcmp(argv[2], "full") == 0) {
        std::unique_ptr<TForm1> main = StartMainWindow(gral);
        if (!main || main->DateLabels[0]->text().isEmpty())
            return 1;
        window = std::move(main);
    } else {
        window = std::make_unique<QMainWindow>();
    }
    window->show();
    QApplication::processEvents();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--probe") == 0)
        return Probe(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    g_root = temp.path();
    RedirectSettings(g_root + "/home");
    g_folder = g_root + "/program/";
    g_program = QCoreApplication::applicationFilePath();
    QDir().mkpath(g_folder);
    if (!WriteDemoMembers(g_folder, 30))
        return 1;
    StoreDemoRegion();
    UseEdition(FullEdition()); // the full edition keeps its own settings
    StoreDemoRegion();
    UseEdition(DemoEdition());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
