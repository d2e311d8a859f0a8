// pronos-full --exportar-calendario without a display, its files read by an independent parser (check_ics.py,
// python3-icalendar): instants are the calendar's sign changes, texts the main window's, UIDs the same in an
// overlapping export; refusals write nothing; it runs while the program is open.
#include "core/Edition.h"
#include "export/ICalendarFile.h"
#include "settings/SettingsStore.h"
#include "tendencies/TendencyRule.h"
#include "support/TestSupport.h"
#include "settings/ZoneChoice.h"
#include "calendar/ZoneShift.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <map>

class TestExportCommand : public QObject {
    Q_OBJECT
    const ExportMember luis_{QStringLiteral("GARCIA, LUIS"), 32642};
    std::unique_ptr<TestEnvironment> env_;
    QProcessEnvironment environment_;

    // Exit code, standard output and error of a finished run.
    std::tuple<int, QByteArray, QByteArray> run(const QStringList& arguments,
                                                const QString& program = PRONOS_PROGRAM_DIR "/pronos-full")
    {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start(program, arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        UseEdition(FullEdition());
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("Europe/Madrid", QDateTime(QDate(2027, 1, 1), QTime()), false));
        QVERIFY(store.commit() && QDir().mkpath(env_->dataFolder()));
        QVERIFY(WriteBytes(env_->dataFolder() + "Fechas.dat", RawMemberRecord(luis_.birthDate, "GARCIA, LUIS")
                               + RawMemberRecord(31000, "PEREZ, ANA") + RawMemberRecord(33000, "PEREZ, ANA")));
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
        QTest::addColumn<QString>("who");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");
        QTest::newRow("spring switch") << "--integrante=garcia, luis" << QDate(2027, 3, 22) << 7;
        QTest::newRow("autumn switch") << "--integrante=GARCIA, LUIS" << QDate(2027, 10, 25) << 7;
        QTest::newRow("team, one day") << "--equipo" << QDate(2027, 3, 28) << 1;
    }
    void exports()
    {
        QFETCH(QString, who);
        QFETCH(QDate, from);
        QFETCH(int, days);
        std::map<QString, QStringList> events[2]; // by UID: the checker's fields
        QProcess open; // the team's export runs while the program is open: it is no second copy
        if (who == "--equipo") {
            QProcessEnvironment shown = environment_;
            shown.insert("QT_QPA_PLATFORM", "offscreen");
            open.setProcessEnvironment(shown);
            open.start(PRONOS_PROGRAM_DIR "/pronos-full");
            QTRY_VERIFY_WITH_TIMEOUT(!QDir(env_->path()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty(),
                                     30000); // its single-instance socket
        }
        for (int i : {0, 1}) { // the second export begins three days later
            const QString file = env_->path() + QStringLiteral("/%1.ics").arg(i), count = QString::number(days);
            const QDate day = from.addDays(3 * i);
            const auto [code, out, err] = run(QStringList{"--exportar-calendario", file, "--desde",
                                                          day.toString("dd/MM/yyyy"), "--dias", count} + who.split('='));
            const auto [checks, checked, complaint] =
                run({PRONOS_CHECKER, file, "Europe/Madrid", day.toString(Qt::ISODate), count}, PRONOS_PYTHON);
            QVERIFY2(code == 0 && checks == 0, err + complaint);
            for (const QByteArray& line : checked.split('\n'))
                if (!line.isEmpty())
                    events[i][QString::fromUtf8(line).section('\t', 0, 0)] = QString::fromUtf8(line).split('\t');
            QCOMPARE(out, QStringLiteral("Se escribieron %1 eventos.\n").arg(events[i].size()).toUtf8());
        }
        QCOMPARE(open.state(), who == "--equipo" ? QProcess::Running : QProcess::NotRunning);
        open.kill();
        open.waitForFinished();
        std::map<qint64, int> changes; // instant -> the sign it begins
        const int first = int(DayNumberFromDate(from));
        for (const SignChange& change : SignChangesBetween(first - 6, first + days + 6))
            changes[ChangeInstantUtc(change)] = change.newSign;
        const QTimeZone madrid("Europe/Madrid");
        const qint64 secondFrom = QDateTime(from.addDays(3), QTime(), madrid).toSecsSinceEpoch();
        std::map<qint64, qint64> luisSpans; // start -> end
        for (const auto& [uid, fields] : events[0]) {
            // From one sign change to the next; reaching into the later export's days, there too, whole, same UID.
            const auto change = changes.find(fields[1].toLongLong());
            QVERIFY2(change != changes.end() && std::next(change)->first == fields[2].toLongLong(), qPrintable(uid));
            if (fields[2].toLongLong() > secondFrom && days > 1)
                QCOMPARE(events[1].count(uid) ? events[1].at(uid) : QStringList(), fields);
            const ExportMember member = fields[3].endsWith(luis_.name) ? luis_ : ExportMember{"PEREZ, ANA", 31000};
            const int level = LevelOfStep(SignStepOf(MemberSignOf(member.birthDate), change->second));
            const ExportEvent event{member, change->second, level, change->first, std::next(change)->first};
            if (uid == EventUid(event)) // else the namesake born on 33000
                QCOMPARE(fields.mid(3), QStringList({EventSummary(event), LevelName(level),
                                                     EventDescription(event).replace('\n', '|')}));
            if (member.birthDate == luis_.birthDate)
                luisSpans[event.startUtc] = event.endUtc;
        }
        // A member's events follow one another over the chosen days, the first and last spans whole.
        QVERIFY(luisSpans.begin()->first < QDateTime(from, QTime(), madrid).toSecsSinceEpoch()
                && luisSpans.rbegin()->second > QDateTime(from.addDays(days), QTime(), madrid).toSecsSinceEpoch());
        for (auto span = luisSpans.begin(); std::next(span) != luisSpans.end(); ++span)
            QCOMPARE(span->second, std::next(span)->first);
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        const QString daysRefused = "El número de días debe estar entre 1 y 31.";
        QTest::newRow("nobody") << QStringList{"--integrante", "NADIE", "--dias", "7"} << "Ningún integrante se llama";
        QTest::newRow("namesake") << QStringList{"--integrante", "PEREZ, ANA", "--dias", "7"} << "Hay 2 integrantes";
        QTest::newRow("zero days") << QStringList{"--equipo", "--dias", "0"} << daysRefused;
        QTest::newRow("32 days") << QStringList{"--equipo", "--dias", "32"} << daysRefused;
        QTest::newRow("unknown level") << QStringList{"--equipo", "--dias", "7", "--niveles", "Mala"} << "\"Mala\" no es";
        QTest::newRow("no folder") << QStringList{"--equipo", "--dias", "7", "--exportar-calendario", "/no/such/a.ics"}
                                   << "La carpeta \"/no/such\" no existe.";
    }
    void refuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const QString file = env_->path() + "/refused.ics";
        const auto [code, out, err] =
            run(QStringList{"--exportar-calendario", file, "--desde", "22/03/2027"} + arguments);
        QVERIFY2(code == 1 && QString::fromUtf8(err).startsWith(said), err);
        QVERIFY(!QFile::exists(file) && !QFile::exists("/no/such/a.ics"));
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
