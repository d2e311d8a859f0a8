// The calendar export without windows: its events against the chart's own
// rows, whole spans across overlapping exports, the levels chosen, refused
// requests, the repeated autumn hour, the file's safe writing and the
// command line's choice of members.
#include "CalendarExport.h"
#include "CalendarExportCommand.h"
#include "CalendarWindow.h"
#include "ICalendarFile.h"
#include "SignCalendar.h"
#include "SmallDisk.h"
#include "TestSupport.h"

#include <QTest>

namespace {
const ExportMember Luis{QStringLiteral("GARCÍA, LUIS"), DayNumberFromDate(QDate(1990, 5, 14))};
double Day(int y, int m, int d) { return DayNumberFromDate(QDate(y, m, d)); }
qint64 Utc(const char* iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch(); }
}

class TestCalendarExport : public QObject {
    Q_OBJECT
    Gral gral_;

    void useZone(const QByteArray& zone, int offset, int year)
    {
        PrepareTestGral(gral_);
        UseFullPeriod(gral_, Day(year, 1, 1));
        gral_.calendar.namedZone = zone.isEmpty() ? QTimeZone() : QTimeZone(zone);
        gral_.calendar.zoneOffset = offset;
        BuildShiftedCalendarYears(gral_, year, year);
    }

private slots:
    void eventsAreTheChartsSpans_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QDate>("from");
        QTest::newRow("Madrid, spring switch") << QByteArray("Europe/Madrid") << 0 << QDate(2027, 3, 22);
        QTest::newRow("Madrid, autumn switch") << QByteArray("Europe/Madrid") << 0 << QDate(2027, 10, 25);
        QTest::newRow("Kathmandu +05:45") << QByteArray("Asia/Kathmandu") << 0 << QDate(2027, 6, 1);
        QTest::newRow("classic GMT+3") << QByteArray() << 15 << QDate(2027, 6, 1);
    }
    void eventsAreTheChartsSpans()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, offset);
        QFETCH(QDate, from);
        useZone(zone, offset, from.year());
        const double first = DayNumberFromDate(from);
        const ExportPlan plan = PlanCalendarExport({{Luis}, first, 7, {true, true, true, true, true}}, gral_.calendar);
        QVERIFY(plan.failure.isEmpty());
        const QTimeZone clock = ExportClockOf(gral_.calendar).zone;
        auto wallClock = [&](qint64 utc) { return QDateTime::fromSecsSinceEpoch(utc, clock); };
        QVERIFY(wallClock(plan.events.first().startUtc) < QDateTime(from, QTime(0, 0), clock));
        QVERIFY(wallClock(plan.events.last().endUtc) > QDateTime(from.addDays(7), QTime(0, 0), clock));
        // Every row of a sign change in the week is the start of the event of that sign, and no other event starts.
        int changes = 0;
        for (int row = CalendarDayRow(gral_, first, 6); row > 0; ++row) {
            const std::optional<SignRow> read = ReadSignRow(gral_.calendar, gral_.environment.systemDateFormat, row);
            if (!read || read->date > first + 6)
                break;
            if (read->fromMinute == 0)
                continue;
            ++changes;
            const QDateTime rowTime(DateFromDayNumber(read->date), QTime(0, 0).addSecs(read->fromMinute * 60), clock);
            QVERIFY2(std::any_of(plan.events.begin(), plan.events.end(), [&](const ExportEvent& e) {
                         return e.sign == read->sign && wallClock(e.startUtc).toString("dd HH:mm") == rowTime.toString("dd HH:mm");
                     }), qPrintable(rowTime.toString()));
        }
        QCOMPARE(plan.events.size(), changes + 1);
        for (qsizetype i = 1; i < plan.events.size(); ++i)
            QCOMPARE(plan.events[i].startUtc, plan.events[i - 1].endUtc);
    }

    void overlappingExportsAndLevels()
    {
        useZone("Europe/Madrid", 0, 2027);
        const ExportPlan week = PlanCalendarExport({{Luis}, Day(2027, 3, 22), 7, {true, true, true, true, true}}, gral_.calendar);
        const ExportPlan later = PlanCalendarExport({{Luis}, Day(2027, 3, 25), 7, {true, true, true, true, true}}, gral_.calendar);
        const ExportPlan best = PlanCalendarExport({{Luis}, Day(2027, 3, 22), 7, {true, true, false, false, false}}, gral_.calendar);
        QStringList a, b;
        for (const ExportEvent& e : week.events)
            if (e.endUtc > Utc("2027-03-25T00:00:00+01:00"))
                a << EventUid(e) + QString::number(e.endUtc);
        for (const ExportEvent& e : later.events)
            if (e.startUtc < Utc("2027-03-29T00:00:00+02:00"))
                b << EventUid(e) + QString::number(e.endUtc);
        QCOMPARE(a, b);
        QVERIFY(!best.events.isEmpty() && best.events.size() < week.events.size());
        QCOMPARE(best.events.size(), std::count_if(week.events.begin(), week.events.end(), [](auto& e) { return e.level <= 2; }));
    }

    void refused_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("anyLevel");
        QTest::addColumn<QString>("failure");
        QTest::newRow("zero days") << Day(2027, 3, 1) << 0 << true << "El número de días debe estar entre 1 y 31.";
        QTest::newRow("32 days") << Day(2027, 3, 1) << 32 << true << "El número de días debe estar entre 1 y 31.";
        QTest::newRow("before 1900") << Day(1899, 12, 31) << 3 << true << "La fecha inicial debe estar entre el 01/01/1900 y el 31/12/2100.";
        QTest::newRow("no level") << Day(2027, 3, 1) << 3 << false << "Marque al menos un nivel de tendencia.";
        QTest::newRow("period ends") << Day(2100, 12, 29) << 7 << true << "";
    }
    void refused()
    {
        QFETCH(double, from);
        QFETCH(int, days);
        QFETCH(bool, anyLevel);
        QFETCH(QString, failure);
        useZone("Europe/Madrid", 0, 2027);
        const ExportPlan plan = PlanCalendarExport({{Luis}, from, days, {anyLevel, anyLevel, anyLevel, anyLevel, anyLevel}}, gral_.calendar);
        QCOMPARE(plan.failure, failure);
        QCOMPARE(plan.events.isEmpty(), !failure.isEmpty());
        if (failure.isEmpty()) { // nothing past the period's last midnight
            QVERIFY(plan.leftOutsidePeriod);
            QVERIFY(plan.events.last().endUtc <= Utc("2101-01-01T00:00:00+01:00"));
            QVERIFY(ExportDoneText(plan, gral_.calendar).contains("31/12/2100"));
        }
    }

    void repeatedHourIsWrittenInUtc_data()
    {
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<bool>("twice");
        QTest::newRow("02:30 first pass") << Utc("2027-10-31T00:30:00Z") << true;
        QTest::newRow("02:30 second pass") << Utc("2027-10-31T01:30:00Z") << true;
        QTest::newRow("03:30 after") << Utc("2027-10-31T02:30:00Z") << false;
        QTest::newRow("03:30 after the spring gap") << Utc("2027-03-28T01:30:00Z") << false;
    }
    void repeatedHourIsWrittenInUtc()
    {
        QFETCH(qint64, utc);
        QFETCH(bool, twice);
        const ExportClock madrid{QTimeZone("Europe/Madrid"), true};
        QCOMPARE(TwiceOnClock(madrid.zone, utc), twice);
        ExportPlan plan;
        plan.events.append({Luis, 3, 1, utc, utc + 7200});
        const QByteArray file = ComposeICalendar(plan, madrid, "-//t//t//ES", QDateTime::currentDateTimeUtc());
        const QByteArray start = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC).toString("yyyyMMdd'T'HHmmss'Z'").toLatin1();
        QCOMPARE(file.contains("DTSTART:" + start), twice);
        QCOMPARE(file.contains("DTSTART;TZID=Europe/Madrid:"), !twice);
    }

    void fullDiskLeavesTheOldFile()
    {
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = disk.folder() + "Equipo.ics";
        QCOMPARE(SaveExportFile(path, "old"), QString());
        disk.fill();
        QVERIFY(SaveExportFile(path, QByteArray(64 * 1024, 'x')).startsWith("No se pudo escribir el archivo"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QVERIFY(disk.makeReadOnly());
        QVERIFY(SaveExportFile(disk.folder() + "b.ics", "x").startsWith("No se pudo escribir el archivo"));
        QVERIFY(SaveExportFile("/no/such/folder/a.ics", "x").startsWith("La carpeta"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("chosen");
        const QStringList base{"--exportar-calendario", "a.ics", "--desde", "22/03/2027", "--dias", "7"};
        QTest::newRow("one by name") << base + QStringList{"--integrante", "garcía, luis"} << "" << 1;
        QTest::newRow("namesake") << base + QStringList{"--integrante", "PÉREZ, ANA"} << "Hay 2 integrantes llamados \"PÉREZ, ANA\": indique su fecha con --nacimiento dd/mm/aaaa." << 0;
        QTest::newRow("namesake by birth") << base + QStringList{"--integrante", "PÉREZ, ANA", "--nacimiento", "03/01/1985"} << "" << 1;
        QTest::newRow("nobody") << base + QStringList{"--integrante", "NADIE"} << "Ningún integrante se llama \"NADIE\"." << 0;
        QTest::newRow("team") << base + QStringList{"--equipo", "--niveles", "excelente,Buena"} << "" << 3;
        QTest::newRow("unknown level") << base + QStringList{"--equipo", "--niveles", "Mala"} << "\"Mala\" no es un nivel: los niveles son Excelente, Buena, Normal, Complicada, Restrictiva." << 0;
        QTest::newRow("both") << base + QStringList{"--equipo", "--integrante", "X"} << "Indique --integrante o --equipo" << 0;
        QTest::newRow("31 days at most") << QStringList{"--equipo", "--dias", "32"} << "El número de días debe estar entre 1 y 31." << 0;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, failure);
        QFETCH(int, chosen);
        const QList<ExportMember> team{Luis, {"PÉREZ, ANA", Day(1985, 1, 3)}, {"PÉREZ, ANA", Day(1991, 7, 9)}};
        QString said;
        const std::optional<ExportCommand> command = ParseExportCommand(arguments, said);
        const QList<ExportMember> members = command ? SelectExportMembers(team, *command, said) : QList<ExportMember>{};
        QVERIFY2(failure.isEmpty() ? said.isEmpty() : said.startsWith(failure), qPrintable(said));
        QCOMPARE(members.size(), chosen);
    }
};

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendarexport.moc"
