// The roster sheet's import at its largest expected size: 5,000 rows read,
// previewed and added to a members file of 1,000 members (target: 1 s or
// less for the whole), and the preview window built on them.
#include "members/AddMembers.h"
#include "members/CsvTable.h"
#include "core/DayNumber.h"
#include "members/MemberRecord.h"
#include "members/RosterImportWindow.h"
#include "members/RosterPreview.h"
#include "platform/CommandLinePlatform.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int SheetRows = 5000;
constexpr int ExistingMembers = 1000;

// A ';' sheet as a Spanish spreadsheet writes it: titles, accents, quoted
// names with a comma, one row in ten already a member.
QByteArray Sheet()
{
    QString text = QStringLiteral("Apellidos y Nombres;Fecha de nacimiento;Observaciones\r\n");
    for (int i = 0; i < SheetRows; ++i) {
        const int member = i % 10 == 0 ? i % ExistingMembers : ExistingMembers + i;
        text += QStringLiteral("\"NÚÑEZ %1, JOSÉ\";%2/%3/%4;Observación número %1\r\n")
                    .arg(member)
                    .arg(1 + member % 28)
                    .arg(1 + member % 12)
                    .arg(1960 + member % 40);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray MembersFile()
{
    QByteArray bytes;
    for (int member = 0; member < ExistingMembers; ++member) {
        const QDate date(1960 + member % 40, 1 + member % 12, 1 + member % 28);
        bytes += EncodeMemberRecord({DayNumberFromDate(date), QStringLiteral("NÚÑEZ %1, JOSÉ").arg(member),
                                     QStringLiteral("Observación número %1").arg(member)});
    }
    return bytes;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Read, preview and add: what "Importar" costs from the file's bytes on.
void BM_ImportRoster(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString members = dir.filePath(QStringLiteral("Fechas.dat"));
    const QByteArray sheet = Sheet();
    const QByteArray existing = MembersFile();
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!Write(members, existing)) {
            state.SkipWithError("cannot write the members file");
            return;
        }
        state.ResumeTiming();
        const Result<CsvTable> table = ReadCsvTable(sheet);
        const Result<MemberKeys> keys = ReadMemberKeys(members);
        if (!table || !keys) {
            state.SkipWithError("cannot read the sheet or the members file");
            return;
        }
        const RosterPreview preview = PreviewRoster(table->records, RecogniseRosterColumns(table->records.first(), 3),
                                                    *keys, QStringLiteral("dd/MM/yyyy"), QDate::currentDate());
        const Result<AddedMembers> outcome = AddMembersToFile(members, preview.membersToAdd());
        if (!outcome) {
            state.SkipWithError("the addition failed");
            return;
        }
        added = outcome->added;
    }
    state.counters["added"] = added;
}

// The preview window on the same sheet: rows classified, table filled and painted.
void BM_PreviewWindow(benchmark::State& state)
{
    const Result<CsvTable> table = ReadCsvTable(Sheet());
    if (!table) {
        state.SkipWithError("cannot read the sheet");
        return;
    }
    MemberKeys keys;
    for (int member = 0; member < ExistingMembers; ++member)
        keys.insert(MemberKey(QStringLiteral("NÚÑEZ %1, JOSÉ").arg(member),
                              DayNumberFromDate(QDate(1960 + member % 40, 1 + member % 12, 1 + member % 28))));
    CommandLinePlatform platform;
    for (auto _ : state) {
        RosterImportWindow window(*table, QStringLiteral("equipo.csv"), keys, QStringLiteral("Fechas.dat"),
                                  QStringLiteral("dd/MM/yyyy"), platform);
        window.show();
        QApplication::processEvents(); // a long sheet is read once the window shows
        window.Rows->viewport()->repaint();
        benchmark::DoNotOptimize(window.preview().count(RowOutcome::Add));
    }
}

} // namespace

BENCHMARK(BM_ImportRoster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
