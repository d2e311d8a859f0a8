// pronos-full --exportar-calendario as a process without a display, its files
// read by an independent parser (check_ics.py, python3-icalendar): every
// event's instants are the calendar's sign changes, its texts the main
// window's, its UID the same in overlapping exports, the VTIMEZONE the zone
// database's; refusals write nothing; it runs while the program is open.
#include "CalendarExport.h"
#include "Edition.h"
#include "ICalendarFile.h"
#include "SettingsStore.h"
#include "SignChanges.h"
#include "TendencyRule.h"
#include "TestSupport.h"
#include "ZoneChoice.h"
#include "ZoneShift.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <map>

namespace {
const ExportMember Luis{QStringLiteral("GARCIA, LUIS"), 32642}; // 14/05/1989
}

class TestExportCommand : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env_;
    QProcessEnvironment environment_;

    QProcess* run(const QString& program, const QStringList& arguments)
    {
        auto* process = new QProcess(this);
        process->setProcessEnvironment(environment_);
        process->start(program, arguments);
        process->waitForFinished(60000);
        return process;
    }
    // The file's events as the checker prints them, by UID.
    std::map<QString, QStringList> parse(const QString& file, const QDate& from, int days)
    {
        QProcess* checker = run(PRONOS_PYTHON, {PRONOS_CHECKER, file, "Europe/Madrid", from.toString(Qt::ISODate), QString::number(days)});
        if (checker->exitCode() != 0)
            qWarning("%s", checker->readAllStandardError().constData());
        std::map<QString, QStringList> events;
        for (const QByteArray& line : checker->readAllStandardOutput().split('\n'))
            if (!line.isEmpty()) {
                const QStringList fields = QString::fromUtf8(line).split('\t');
                events[fields[0]] = fields;
            }
        return events;
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        UseEdition(FullEdition());
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("Europe/Madrid", QDateTime(QDate(2027, 1, 1), QTime()), false));
        QVERIFY(store.commit());
        QDir().mkpath(env_->dataFolder());
        QFile members(env_->dataFolder() + "Fechas.dat");
        QVERIFY(members.open(QIODevice::WriteOnly));
        members.write(RawMemberRecord(Luis.birthDate, Luis.name.toLatin1()) + RawMemberRecord(31000, "PEREZ, ANA")
                      + RawMemberRecord(33000, "PEREZ, ANA"));
        environment_ = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment_.remove(display);
        environment_.insert("XDG_CONFIG_HOME", env_->path() + "/config");
        environment_.insert("XDG_DATA_HOME", env_->path() + "/data");
        environment_.insert("TMPDIR", env_->path());
    }
    void cleanup()
    {
        env_.reset();
        UseEdition(DemoEdition());
    }

    void exports_data()
    {
        QTest::addColumn<QStringList>("who");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("levels");
        const QStringList all{"Excelente", "Buena", "Normal", "Complicada", "Restrictiva"};
        QTest::newRow("spring switch") << QStringList{"--integrante", "garcia, luis"} << QDate(2027, 3, 22) << 7 << all;
        QTest::newRow("autumn switch") << QStringList{"--integrante", "GARCIA, LUIS"} << QDate(2027, 10, 25) << 7 << all;
        QTest::newRow("team, one day") << QStringList{"--equipo"} << QDate(2027, 3, 28) << 1 << all;
    }
    void exports()
    {
        QFETCH(QStringList, who);
        QFETCH(QDate, from);
        QFETCH(int, days);
        QFETCH(QStringList, levels);
        std::map<QString, QStringList> exported[2];
        for (int shift : {0, 3}) { // a second export, three days later, overlaps the first
            const QString file = QStringLiteral("%1/%2.ics").arg(env_->path()).arg(shift);
            QProcess* program = run(PRONOS_PROGRAM_DIR "/pronos-full",
                                    QStringList{"--exportar-calendario", file, "--desde", from.addDays(shift).toString("dd/MM/yyyy"),
                                                "--dias", QString::number(days), "--niveles", levels.join(',')} + who);
            QVERIFY2(program->exitCode() == 0, program->readAllStandardError().constData());
            exported[shift ? 1 : 0] = parse(file, from.addDays(shift), days);
            QVERIFY(program->readAllStandardOutput().startsWith(
                QStringLiteral("Se escribieron %1 eventos.").arg(exported[shift ? 1 : 0].size()).toUtf8()));
        }
        // Every start and end is a sign change of the calendar, the end the next change after the start.
        std::map<qint64, int> changes; // instant -> sign that begins
        const int first = int(DayNumberFromDate(from));
        for (const SignChange& change : SignChangesBetween(first - 6, first + days + 6))
            changes[ChangeInstantUtc(change)] = change.newSign;
        QVERIFY(!exported[0].empty());
        const qint64 secondFrom = QDateTime(from.addDays(3), QTime(0, 0), QTimeZone("Europe/Madrid")).toSecsSinceEpoch();
        for (const auto& [uid, fields] : exported[0]) {
            const qint64 start = fields[1].toLongLong();
            // An event reaching into the later export's days is there too, whole, with the same UID.
            if (fields[2].toLongLong() > secondFrom)
                QCOMPARE(exported[1].count(uid) ? exported[1].at(uid)[2] : QString(), fields[2]);
            const auto change = changes.find(start);
            QVERIFY2(change != changes.end() && std::next(change)->first == fields[2].toLongLong(), qPrintable(fields.join(' ')));
            const ExportMember member = fields[3].endsWith(Luis.name) ? Luis : ExportMember{"PEREZ, ANA", 0};
            if (member.birthDate == 0)
                continue; // the namesakes' texts are checked as Luis's are; their levels differ
            const int level = LevelOfStep(SignStepOf(MemberSignOf(member.birthDate), change->second));
            const ExportEvent event{member, change->second, level, start, std::next(change)->first};
            QCOMPARE(fields, QStringList({EventUid(event), QString::number(start), fields[2], EventSummary(event), LevelName(event.level),
                                          EventDescription(event).replace('\n', '|')}));
        }
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("nobody") << QStringList{"--integrante", "NADIE", "--dias", "7"} << "Ningún integrante se llama \"NADIE\".";
        QTest::newRow("namesake") << QStringList{"--integrante", "PEREZ, ANA", "--dias", "7"} << "Hay 2 integrantes llamados";
        QTest::newRow("zero days") << QStringList{"--equipo", "--dias", "0"} << "El número de días debe estar entre 1 y 31.";
        QTest::newRow("no folder") << QStringList{"--equipo", "--dias", "7", "--exportar-calendario", "/no/such/a.ics"} << "La carpeta \"/no/such\" no existe.";
    }
    void refuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const QString file = env_->path() + "/refused.ics";
        QProcess* program = run(PRONOS_PROGRAM_DIR "/pronos-full", QStringList{"--exportar-calendario", file, "--desde", "22/03/2027"} + arguments);
        QCOMPARE(program->exitCode(), 1);
        QVERIFY2(QString::fromUtf8(program->readAllStandardError()).startsWith(said), qPrintable(said));
        QVERIFY(!QFile::exists(file) && !QFile::exists("/no/such/a.ics"));
    }

    void runsWhileTheProgramIsOpen()
    {
        QProcessEnvironment shown = environment_;
        shown.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess open;
        open.setProcessEnvironment(shown);
        open.start(PRONOS_PROGRAM_DIR "/pronos-full");
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(env_->path()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty(), 30000);
        const QString file = env_->path() + "/open.ics";
        QProcess* program = run(PRONOS_PROGRAM_DIR "/pronos-full", {"--exportar-calendario", file, "--equipo", "--desde", "01/06/2027", "--dias", "2"});
        QCOMPARE(program->exitCode(), 0);
        QVERIFY(QFile::exists(file));
        QCOMPARE(open.state(), QProcess::Running);
        open.kill();
        open.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
